// A command of bitloom-flags run on its own, in process: the command line
// parsed, the command given a report that keeps what it is told.
#pragma once

#include "cli/CommandLine.h"
#include "cli/CommandTable.h"
#include "cli/Report.h"

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace bitloom::tests {

inline std::ostream nowhere(nullptr);

class RecordingReport final : public cli::Report {
public:
    RecordingReport()
        : Report(nowhere)
    {
    }

    std::optional<handling::ValueReport> values; // decoded or encoded
    std::optional<handling::ScanReport> scan;
    std::optional<handling::CheckReport> check;
    std::optional<handling::SetReport> setReport;

    void decoded(const handling::ValueReport &report) override { values = report; }
    void encoded(const handling::ValueReport &report) override { values = report; }
    void listed(const handling::GameProfile &) override {}
    void scanned(const handling::ScanReport &report) override { scan = report; }
    void checked(const handling::CheckReport &report) override { check = report; }
    void set(const handling::SetReport &report) override { setReport = report; }
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
    run.status = cli::findCommand(line.options.command)->run({line.options, run.report, in, err});
    run.err = err.str();
    return run;
}

} // namespace bitloom::tests
