// The report for scripts: one JSON document of the shape
// docs/bitloom-flags.schema.json describes, with the results and the
// problems.
#pragma once

#include "Report.h"

namespace bitloom::cli {

// The version of the documents' shape: a script may rely on every key of a
// version; a key added keeps it, a key changed or removed raises it.
inline constexpr int jsonVersion = 1;

class JsonReport final : public Report {
public:
    using Report::Report;

    void decoded(const ValueReport &report) override;
    void encoded(const ValueReport &report) override;
    void listed(const GameProfile &game) override;
    void scanned(const ScanReport &report) override;
    void checked(const CheckReport &report) override;
    void set(const SetReport &report) override;
};

} // namespace bitloom::cli
