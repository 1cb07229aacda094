#include "CommandRunner.h"

#include "CommandLine.h"
#include "CommandTable.h"
#include "HelpText.h"
#include "JsonReport.h"
#include "TextReport.h"

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
    switch (options.command) {
    case Command::Help:
        out << helpText(options.helpTopic);
        return success;
    case Command::Version:
        out << programName << ' ' << BITLOOM_VERSION << '\n';
        return success;
    default:
        break;
    }
    JsonReport json(out);
    TextReport text(out);
    Report &report = options.json ? static_cast<Report &>(json) : text;
    return findCommand(options.command)->run({options, report, in, err});
}

} // namespace bitloom::cli
