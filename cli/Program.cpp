#include "Program.h"

#include "CommandLine.h"
#include "FileReader.h"
#include "FlagLookup.h"
#include "HandlingScanner.h"
#include "JsonReport.h"
#include "Messages.h"
#include "TextReport.h"
#include "flags/FlagsValueReader.h"

#include <memory>
#include <string>

namespace bitloom::cli {

namespace {

void complain(std::ostream &err, std::string_view message)
{
    err << messages::programName << ": " << message << '\n';
}

int decode(const Options &options, Report &report, std::ostream &err)
{
    std::vector<DecodedValue> values;
    int status = success;
    for (std::string_view text : options.operands) {
        const flags::ValueReading reading
            = flags::readFlagsValue(text, options.game->allowedBits());
        if (reading.problem != flags::ValueProblem::None) {
            complain(err, messages::valueProblem(text, reading, *options.game));
            status = badInput;
            continue;
        }
        values.push_back({text, reading.value});
    }
    err.flush(); // before the report, when both go to one terminal
    report.decoded(values, *options.game);
    return status;
}

// A value from an incomplete list of names would mislead: print none.
int encode(const Options &options, Report &report, std::ostream &err)
{
    std::uint32_t value = 0;
    int status = success;
    for (std::string_view name : options.operands) {
        const auto bit = findFlag(name);
        if (!bit) {
            complain(err, messages::unknownFlag(name));
            status = badInput;
        } else if (*bit >= options.game->flagCount) {
            complain(err, messages::flagNotInGame(name, *options.game));
            status = badInput;
        } else {
            value |= flags::maskOf(*bit);
        }
    }
    if (status == success)
        report.encoded(value, *options.game);
    return status;
}

int scan(const Options &options, Report &report, std::ostream &err)
{
    const std::string path(options.operands.front());
    const FileContents file = readFileContents(path);
    if (!file.error.empty()) {
        err << path << ": " << file.error << '\n';
        return badInput;
    }
    const ScanResult result = scanHandling(file.text, *options.game);
    for (const LineProblem &problem : result.problems)
        err << path << ':' << problem.line << ": " << problem.message << '\n';
    err.flush(); // before the report, when both go to one terminal
    report.scanned(path, result, *options.game);
    return result.problems.empty() ? success : badInput;
}

} // namespace

int runProgram(std::span<const std::string_view> arguments, std::ostream &out, std::ostream &err)
{
    const CommandLine commandLine = parseCommandLine(arguments);
    if (!commandLine.usageError.empty()) {
        complain(err, commandLine.usageError);
        err << messages::usageHint() << '\n';
        return usageError;
    }

    const Options &options = commandLine.options;
    std::unique_ptr<Report> report;
    if (options.json)
        report = std::make_unique<JsonReport>(out);
    else
        report = std::make_unique<TextReport>(out);

    switch (options.command) {
    case Command::Help:
        out << messages::helpText();
        return success;
    case Command::Version:
        out << messages::versionText(BITLOOM_VERSION);
        return success;
    case Command::Decode:
        return decode(options, *report, err);
    case Command::Encode:
        return encode(options, *report, err);
    case Command::Scan:
        return scan(options, *report, err);
    }
    return usageError;
}

} // namespace bitloom::cli
