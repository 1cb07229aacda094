// The report for a person: aligned columns. It leaves the problems of
// decode, encode, scan and set to the error output.
#pragma once

#include "Report.h"

namespace bitloom::cli {

class TextReport final : public Report {
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
