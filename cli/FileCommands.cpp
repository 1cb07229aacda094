#include "FileCommands.h"

#include "CommandRunner.h"
#include "ProblemText.h"
#include "handling/FileReader.h"
#include "handling/HandlingScanner.h"
#include "handling/MessageText.h"
#include "handling/TextDecoder.h"
#include "text/AsciiCase.h"

#include <algorithm>
#include <fmt/format.h>
#include <utility>

namespace bitloom::cli {

namespace {

// A file operand read whole and decoded; "-" reads in.
struct InputFile {
    handling::DecodedText decoded;
    std::string error; // the file could not be read, or its encoding is not read
};

InputFile readInputFile(std::string_view operand, std::istream &in)
{
    handling::FileContents contents = operand == standardInput
                                          ? handling::readStreamContents(in)
                                          : handling::readFileContents(std::string(operand));
    if (!contents.error.empty())
        return {{}, std::move(contents.error)};
    InputFile file{handling::decodeText(std::move(contents.text)), {}};
    file.error = file.decoded.error;
    return file;
}

bool asked(std::string_view identifier, std::span<const std::string_view> identifiers)
{
    return std::any_of(identifiers.begin(), identifiers.end(), [&](std::string_view wanted) {
        return text::sameIgnoringAsciiCase(identifier, wanted);
    });
}

// The lines of the vehicles asked for, their problems and those of the
// whole file; a warning first for each vehicle the file does not have.
ScanResult onlyVehicles(ScanResult all, std::span<const std::string_view> identifiers)
{
    ScanResult result;
    for (std::string_view wanted : identifiers) {
        const bool found
            = std::any_of(all.vehicles.begin(), all.vehicles.end(), [&](const ScannedVehicle &v) {
                  return text::sameIgnoringAsciiCase(v.identifier, wanted);
              });
        if (!found)
            result.problems.push_back(
                {.level = Level::Warning,
                 .message = fmt::format("aucune ligne du véhicule {} dans le fichier",
                                        handling::quoted(wanted))});
    }
    std::copy_if(all.vehicles.begin(), all.vehicles.end(), std::back_inserter(result.vehicles),
                 [&](const ScannedVehicle &v) { return asked(v.identifier, identifiers); });
    std::copy_if(
        all.problems.begin(), all.problems.end(), std::back_inserter(result.problems),
        [&](const Problem &p) { return p.identifier.empty() || asked(p.identifier, identifiers); });
    return result;
}

} // namespace

int runScan(const CommandContext &context)
{
    const GameProfile &game = *context.options.game;
    const std::span<const std::string_view> operands = context.options.operands;
    const std::string_view path = operands.front();
    const std::span<const std::string_view> identifiers = operands.subspan(1);

    const InputFile file = readInputFile(path, context.in);
    if (!file.error.empty()) {
        const Problem problem{.message = file.error};
        context.err << fileProblemText(path, problem) << '\n';
        context.err.flush();
        context.report.notScanned(path, problem, game);
        return badInput;
    }
    ScanResult result = handling::scanHandling(file.decoded.text, file.decoded.encoding, game);
    if (!identifiers.empty())
        result = onlyVehicles(std::move(result), identifiers);
    for (const Problem &problem : result.problems)
        context.err << fileProblemText(path, problem) << '\n';
    context.err.flush(); // before the report, when both go to one terminal
    context.report.scanned(path, result, identifiers, game);
    return statusFor(result.problems);
}

int runCheck(const CommandContext &context)
{
    const GameProfile &game = *context.options.game;
    std::size_t errors = 0;
    std::size_t warnings = 0;
    for (std::string_view path : context.options.operands) {
        const InputFile file = readInputFile(path, context.in);
        std::vector<Problem> problems;
        if (file.error.empty())
            problems
                = handling::scanHandling(file.decoded.text, file.decoded.encoding, game).problems;
        else
            problems.push_back({.message = file.error});
        context.report.checked(path, problems, game);
        errors += countOf(problems, Level::Error);
        warnings += countOf(problems, Level::Warning);
    }
    context.report.checkEnded(context.options.operands.size(), errors, warnings, game);
    return errors == 0 ? success : badInput;
}

} // namespace bitloom::cli
