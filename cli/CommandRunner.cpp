#include "CommandRunner.h"

#include "CommandLine.h"
#include "FileCommands.h"
#include "HelpText.h"
#include "JsonReport.h"
#include "SetCommand.h"
#include "TextReport.h"
#include "ValueCommands.h"

#include <memory>

namespace bitloom::cli {

int usageFailure(std::ostream &err, std::string_view message)
{
    err << programName << ": " << message << '\n';
    err << "Aide : " << programName << " --help\n";
    return usageError;
}

int runCommandLine(std::span<const std::string_view> arguments, std::istream &in, std::ostream &out,
                   std::ostream &err)
{
    const CommandLine commandLine = parseCommandLine(arguments);
    if (!commandLine.usageError.empty())
        return usageFailure(err, commandLine.usageError);

    const Options &options = commandLine.options;
    std::unique_ptr<Report> report;
    if (options.json)
        report = std::make_unique<JsonReport>(out);
    else
        report = std::make_unique<TextReport>(out);

    const CommandContext context{options, *report, in, err};
    switch (options.command) {
    case Command::Help:
        out << helpText();
        return success;
    case Command::Version:
        out << programName << ' ' << BITLOOM_VERSION << '\n';
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
    case Command::Set:
        return runSet(context);
    }
    return usageError;
}

} // namespace bitloom::cli
