// A command of bitloom-flags run on its own, in process: the command line
// parsed, the command given a report that keeps what it is told.
#pragma once

#include "cli/CommandLine.h"
#include "cli/FileCommands.h"
#include "cli/SetCommand.h"
#include "cli/ValueCommands.h"

#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace bitloom::tests {

// A problem, its texts kept: those of a scan point into the file's text,
// gone when the command returns.
struct ReportedProblem {
    handling::Level level;
    std::size_t line;
    std::string rule;
    std::string identifier;
    std::string input;
    std::string message;
    std::optional<std::uint32_t> gameValue;

    explicit ReportedProblem(const handling::Problem &p)
        : level(p.level)
        , line(p.line)
        , rule(p.rule)
        , identifier(p.identifier)
        , input(p.input)
        , message(p.message)
        , gameValue(p.gameValue)
    {
    }
};

struct ReportedValue {
    std::string input;
    std::uint32_t value;
    std::uint32_t extraBits;
};

struct CheckedFile {
    std::string name;
    std::vector<ReportedProblem> problems;
};

inline std::ostream nowhere(nullptr);

class RecordingReport final : public cli::Report {
public:
    RecordingReport()
        : Report(nowhere)
    {
    }

    std::vector<ReportedValue> values;     // decoded
    std::optional<std::uint32_t> value;    // encoded
    std::vector<ReportedProblem> problems; // of decode, encode, scan
    std::vector<std::string> vehicles;     // scanned: "line identifier"
    std::vector<CheckedFile> checkedFiles;
    std::size_t errors = 0; // the check's totals
    std::size_t warnings = 0;

    void decoded(const std::vector<cli::DecodedValue> &decoded,
                 const std::vector<handling::Problem> &found,
                 const handling::GameProfile &) override
    {
        for (const cli::DecodedValue &v : decoded)
            values.push_back({std::string(v.input), v.value, v.extraBits});
        keep(found);
    }
    void encoded(std::optional<std::uint32_t> encoded, const std::vector<handling::Problem> &found,
                 const handling::GameProfile &) override
    {
        value = encoded;
        keep(found);
    }
    void listed(const handling::GameProfile &) override {}
    void scanned(std::string_view, const handling::ScanResult &result,
                 std::span<const std::string_view>, const handling::GameProfile &) override
    {
        for (const handling::ScannedVehicle &v : result.vehicles)
            vehicles.push_back(std::to_string(v.line) + ' ' + std::string(v.identifier));
        keep(result.problems);
    }
    void notScanned(std::string_view, const handling::Problem &problem,
                    const handling::GameProfile &) override
    {
        problems.emplace_back(problem);
    }
    void checked(std::string_view file, const std::vector<handling::Problem> &found,
                 const handling::GameProfile &) override
    {
        checkedFiles.push_back({std::string(file), {found.begin(), found.end()}});
    }
    void checkEnded(std::size_t, std::size_t totalErrors, std::size_t totalWarnings,
                    const handling::GameProfile &) override
    {
        errors = totalErrors;
        warnings = totalWarnings;
    }

    void set(std::string_view, const std::vector<cli::FlagsChange> &changes,
             cli::SetOutcome outcome, std::string_view, const std::vector<handling::Problem> &found,
             const handling::GameProfile &) override
    {
        for (const cli::FlagsChange &change : changes)
            vehicles.push_back(std::to_string(change.line) + ' ' + std::string(change.identifier)
                               + ' ' + std::string(change.newText));
        setOutcome = outcome;
        keep(found);
    }

    std::optional<cli::SetOutcome> setOutcome;

private:
    void keep(std::span<const handling::Problem> found)
    {
        for (const handling::Problem &problem : found)
            problems.emplace_back(problem);
    }
};

struct CommandRun {
    int status = -1;
    RecordingReport report;
    std::string err; // what a person reads on the error output
};

// arguments as on the command line, which must be right; input is the
// standard input, read for a file operand "-".
inline CommandRun runCommand(const std::vector<std::string_view> &arguments,
                             const std::string &input = {})
{
    const cli::CommandLine line = cli::parseCommandLine(arguments);
    CommandRun run;
    if (!line.usageError.empty()) {
        run.err = line.usageError;
        return run;
    }
    std::istringstream in(input);
    std::ostringstream err;
    const cli::CommandContext context{line.options, run.report, in, err};
    switch (line.options.command) {
    case cli::Command::Decode:
        run.status = cli::runDecode(context);
        break;
    case cli::Command::Encode:
        run.status = cli::runEncode(context);
        break;
    case cli::Command::List:
        run.status = cli::runList(context);
        break;
    case cli::Command::Scan:
        run.status = cli::runScan(context);
        break;
    case cli::Command::Check:
        run.status = cli::runCheck(context);
        break;
    case cli::Command::Set:
        run.status = cli::runSet(context);
        break;
    case cli::Command::Help:
    case cli::Command::Version:
        break;
    }
    run.err = err.str();
    return run;
}

} // namespace bitloom::tests
