#include "Program.h"

#include "CommandLine.h"
#include "FileCommands.h"
#include "JsonReport.h"
#include "Messages.h"
#include "TextReport.h"
#include "ValueCommands.h"

#include <iostream>
#include <memory>

namespace bitloom::cli {

int runProgram(std::span<const std::string_view> arguments, std::istream &in, std::ostream &out,
               std::ostream &err)
{
    const CommandLine commandLine = parseCommandLine(arguments);
    if (!commandLine.usageError.empty()) {
        err << messages::programName << ": " << commandLine.usageError << '\n';
        err << messages::usageHint() << '\n';
        return usageError;
    }

    const Options &options = commandLine.options;
    std::unique_ptr<Report> report;
    if (options.json)
        report = std::make_unique<JsonReport>(out);
    else
        report = std::make_unique<TextReport>(out);

    const CommandContext context{options, *report, in, err};
    switch (options.command) {
    case Command::Help:
        out << messages::helpText();
        return success;
    case Command::Version:
        out << messages::versionText(BITLOOM_VERSION);
        return success;
    case Command::Decode:
        return runDecode(context);
    case Command::Encode:
        return runEncode(context);
    case Command::List:
        return runList(context);
    case Command::Scan:
        return runScan(context);
    case Command::Check:
        return runCheck(context);
    }
    return usageError;
}

int runProgram(std::span<const std::string_view> arguments, std::ostream &out, std::ostream &err)
{
    return runProgram(arguments, std::cin, out, err);
}

} // namespace bitloom::cli
