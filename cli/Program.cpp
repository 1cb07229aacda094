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

// FILE:LINE: message, or FILE: message for the whole file.
void complainAboutFile(std::ostream &err, std::string_view path, const Problem &problem)
{
    err << path;
    if (problem.line > 0)
        err << ':' << problem.line;
    err << ": ";
    if (problem.identifier.empty())
        err << problem.message << '\n';
    else
        err << messages::vehicleProblem(problem.identifier, problem.message) << '\n';
}

int statusFor(const std::vector<Problem> &problems)
{
    return problems.empty() ? success : badInput;
}

int decode(const Options &options, Report &report, std::ostream &err)
{
    std::vector<DecodedValue> values;
    std::vector<Problem> problems;
    for (std::string_view text : options.operands) {
        const flags::ValueReading reading
            = flags::readFlagsValue(text, options.game->allowedBits());
        if (reading.problem == flags::ValueProblem::None) {
            values.push_back({text, reading.value});
            continue;
        }
        problems.push_back({.message = messages::valueProblem(text, reading, *options.game),
                            .input = text,
                            .gameValue = reading.gameValue});
        complain(err, problems.back().message);
    }
    err.flush(); // before the report, when both go to one terminal
    report.decoded(values, problems, *options.game);
    return statusFor(problems);
}

int encode(const Options &options, Report &report, std::ostream &err)
{
    std::uint32_t value = 0;
    std::vector<Problem> problems;
    for (std::string_view name : options.operands) {
        const auto bit = findFlag(name);
        if (bit && *bit < options.game->flagCount) {
            value |= flags::maskOf(*bit);
            continue;
        }
        problems.push_back({.message = bit ? messages::flagNotInGame(name, *options.game)
                                           : messages::unknownFlag(name),
                            .input = name});
        complain(err, problems.back().message);
    }
    err.flush();
    report.encoded(problems.empty() ? std::optional(value) : std::nullopt, problems, *options.game);
    return statusFor(problems);
}

int scan(const Options &options, Report &report, std::ostream &err)
{
    const std::string path(options.operands.front());
    const FileContents file = readFileContents(path);
    if (!file.error.empty()) {
        const Problem problem{.message = file.error};
        complainAboutFile(err, path, problem);
        err.flush();
        report.notScanned(path, problem, *options.game);
        return badInput;
    }
    const ScanResult result = scanHandling(file.text, *options.game);
    for (const Problem &problem : result.problems)
        complainAboutFile(err, path, problem);
    err.flush();
    report.scanned(path, result, *options.game);
    return statusFor(result.problems);
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
