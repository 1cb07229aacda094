// The report for scripts: one JSON document with the results and the problems.
#pragma once

#include "Report.h"

namespace bitloom::cli {

class JsonReport final : public Report {
public:
    using Report::Report;

    void decoded(const std::vector<DecodedValue> &values, const std::vector<Problem> &problems,
                 const GameProfile &game) override;
    void encoded(std::optional<std::uint32_t> value, const std::vector<Problem> &problems,
                 const GameProfile &game) override;
    void scanned(std::string_view file, const ScanResult &result, const GameProfile &game) override;
    void notScanned(std::string_view file, const Problem &problem,
                    const GameProfile &game) override;
};

} // namespace bitloom::cli
