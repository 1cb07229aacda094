// The report for scripts: one JSON document with the results and the problems.
#pragma once

#include "Report.h"

#include <memory>

namespace bitloom::cli {

class JsonReport final : public Report {
public:
    explicit JsonReport(std::ostream &out);
    ~JsonReport() override;

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

private:
    // The files of a check, kept until its end makes one document of them.
    struct CheckedFiles;
    std::unique_ptr<CheckedFiles> checkedFiles;
};

} // namespace bitloom::cli
