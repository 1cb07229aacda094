// The report for a person: aligned columns. It leaves the problems of
// decode, encode and scan to the error output.
#pragma once

#include "Report.h"

namespace bitloom::cli {

class TextReport final : public Report {
public:
    using Report::Report;

    void decoded(const std::vector<DecodedValue> &values, const std::vector<Problem> &problems,
                 const GameProfile &game) override;
    void encoded(std::optional<std::uint32_t> value, const std::vector<Problem> &problems,
                 const GameProfile &game) override;
    void listed(const GameProfile &game) override;
    void scanned(std::string_view file, const ScanResult &result,
                 std::span<const std::string_view> identifiers, const GameProfile &game) override;
    void notScanned(std::string_view file, const Problem &problem,
                    const GameProfile &game) override;
    void checked(std::string_view file, const std::vector<Problem> &problems,
                 const GameProfile &game) override;
    void checkEnded(std::size_t files, std::size_t errors, std::size_t warnings,
                    const GameProfile &game) override;
    void set(std::string_view file, const std::vector<FlagsChange> &changes, SetOutcome outcome,
             std::string_view backup, const std::vector<Problem> &problems,
             const GameProfile &game) override;
};

} // namespace bitloom::cli
