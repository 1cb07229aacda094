#include "SetCommand.h"

#include "CommandRunner.h"
#include "FlagWords.h"
#include "ProblemText.h"
#include "files/FileReplacement.h"
#include "flags/FlagLookup.h"
#include "flags/FlagsValueReader.h"
#include "handling/FileReader.h"
#include "handling/FlagsEdit.h"
#include "handling/HandlingFile.h"
#include "handling/MessageText.h"
#include "handling/TextDecoder.h"
#include "handling/ValueProblemText.h"

#include <algorithm>
#include <fmt/format.h>
#include <variant>

namespace bitloom::cli {

namespace {

using handling::HandlingFile;
using handling::LineKind;
using handling::ReadLine;

// A vehicle of the command line and the words that make its new value.
struct VehicleWords {
    std::string_view identifier;
    std::vector<std::string_view> words;
};

// A word begins the next vehicle when it can be no word of a value: not
// +NAME or -NAME, not a start value in first place, not a flag's name, and
// without the '_' that every flag's name has, so that a misspelt name is
// still told as one.
bool beginsVehicle(std::string_view word, const VehicleWords &current)
{
    if (word.starts_with('+') || word.starts_with('-'))
        return false;
    if (current.words.empty() && isStartValue(word))
        return false;
    return !flags::findFlag(word) && word.find('_') == std::string_view::npos;
}

// The vehicles in order, or what is wrong with the command line.
std::variant<std::vector<VehicleWords>, std::string>
vehiclesOf(std::span<const std::string_view> operands)
{
    std::vector<VehicleWords> vehicles;
    for (std::string_view word : operands) {
        if (vehicles.empty() || beginsVehicle(word, vehicles.back()))
            vehicles.push_back({word, {}});
        else
            vehicles.back().words.push_back(word);
    }
    for (auto vehicle = vehicles.begin(); vehicle != vehicles.end(); ++vehicle) {
        if (vehicle->words.empty())
            return fmt::format("{} : une valeur ou des flags (NOM, +NOM, -NOM) doivent suivre "
                               "l'identifiant",
                               handling::shown(vehicle->identifier));
        if (std::any_of(vehicles.begin(), vehicle, [&](const VehicleWords &earlier) {
                return earlier.identifier == vehicle->identifier;
            }))
            return fmt::format("{} : nommé deux fois", handling::shown(vehicle->identifier));
    }
    return vehicles;
}

// The vehicle's new value: its words applied to a value they start with, or
// to the value written, bits beyond the game's flags kept. None on an error.
std::optional<std::uint32_t> newValue(const VehicleWords &vehicle, const ReadLine &line,
                                      const GameProfile &game, std::vector<Problem> &problems)
{
    const std::size_t before = problems.size();
    const auto keep = [&](std::optional<Problem> problem) {
        if (!problem)
            return;
        problem->line = line.number;
        problem->identifier = line.fields.identifier;
        problems.push_back(std::move(*problem));
    };

    std::optional<std::uint32_t> value;
    std::span<const std::string_view> steps = vehicle.words;
    if (isStartValue(steps.front())) {
        StartValue start = readStartValue(steps.front(), game);
        value = start.value;
        keep(std::move(start.problem));
        steps = steps.subspan(1);
    } else {
        const std::string_view written = line.fields.flagsText;
        const flags::ValueReading reading = flags::readFlagsValue(written, game.allowedBits());
        if (isRead(reading))
            value = reading.value;
        else
            keep(Problem{.message = handling::valueProblemText(written, reading, game)
                                    + " ; donnez la valeur entière plutôt que des flags à "
                                      "ajouter ou enlever",
                         .input = written});
    }
    for (std::string_view word : steps) {
        FlagStep step = readFlagStep(word, game);
        if (value)
            value = step.appliedTo(*value);
        keep(std::move(step.problem));
    }
    const bool failed
        = std::any_of(problems.begin() + static_cast<std::ptrdiff_t>(before), problems.end(),
                      [](const Problem &p) { return p.level == Level::Error; });
    return failed ? std::nullopt : value;
}

const ReadLine &lineNumbered(const HandlingFile &file, std::size_t number)
{
    return *std::find_if(file.lines.begin(), file.lines.end(),
                         [&](const ReadLine &line) { return line.number == number; });
}

} // namespace

int runSet(const CommandContext &context)
{
    const GameProfile &game = *context.options.game;
    const std::span<const std::string_view> operands = context.options.operands;
    const std::string path(operands.front());
    const auto parsed = vehiclesOf(operands.subspan(1));
    if (const auto *error = std::get_if<std::string>(&parsed))
        return usageFailure(context.err, *error);
    const auto &vehicles = std::get<std::vector<VehicleWords>>(parsed);

    std::vector<Problem> problems;
    std::vector<FlagsChange> changes;
    const auto finish = [&](SetOutcome outcome, std::string_view backup = {}) {
        for (const Problem &problem : problems)
            context.err << fileProblemText(path, problem) << '\n';
        if (outcome == SetOutcome::Refused)
            context.err << path << " : rien n'est écrit, le fichier reste tel quel\n";
        context.err.flush(); // before the report, when both go to one terminal
        context.report.set(path,
                           outcome == SetOutcome::Refused ? std::vector<FlagsChange>() : changes,
                           outcome, backup, problems, game);
        return outcome == SetOutcome::Refused ? badInput : success;
    };

    const handling::FileContents contents = handling::readFileContents(path);
    if (!contents.error.empty()) {
        problems.push_back({.message = contents.error});
        return finish(SetOutcome::Refused);
    }
    const handling::DecodedText decoded = handling::decodeText(contents.text);
    const HandlingFile file = handling::readHandlingFile(decoded.text, decoded.encoding, game);
    if (std::string why
        = decoded.error.empty() ? handling::notHandlingFile(file, game) : decoded.error;
        !why.empty()) {
        problems.push_back({.message = std::move(why)});
        return finish(SetOutcome::Refused);
    }

    std::vector<handling::FlagsFieldChange> fields;
    std::vector<std::size_t> lines;                  // found, changed or not
    std::vector<std::string> texts(vehicles.size()); // the fields' new texts, kept for the report
    for (std::size_t i = 0; i < vehicles.size(); ++i) {
        const handling::FlagsLineSearch search
            = handling::findFlagsLine(file, vehicles[i].identifier, game);
        if (!search.line) {
            problems.push_back(*search.problem);
            continue;
        }
        const ReadLine &line = *search.line;
        // Two spellings of one vehicle would write one field twice.
        if (std::find(lines.begin(), lines.end(), line.number) != lines.end()) {
            problems.push_back({.message = "nommé deux fois, sous deux casses",
                                .line = line.number,
                                .identifier = line.fields.identifier});
            continue;
        }
        lines.push_back(line.number);
        const std::optional<std::uint32_t> value = newValue(vehicles[i], line, game, problems);
        const flags::ValueReading old = flags::readFlagsValue(line.fields.flagsText, 0xFFFFFFFF);
        if (!value || (old.problem == flags::ValueProblem::None && old.value == *value))
            continue;
        texts[i] = handling::flagsFieldText(*value, line.fields.flagsText, file);
        fields.push_back({line.number, texts[i]});
        changes.push_back({.line = line.number,
                           .identifier = line.fields.identifier,
                           .oldText = line.fields.flagsText,
                           .newText = texts[i],
                           .oldFlags = old.gameValue.value_or(0) & game.allowedBits(),
                           .newFlags = *value & game.allowedBits(),
                           .oldLine = line.text,
                           .newLine = {}});
    }
    if (countOf(problems, Level::Error) > 0)
        return finish(SetOutcome::Refused);
    if (changes.empty())
        return finish(SetOutcome::Unchanged);

    const std::string changed
        = handling::changeFlagsFields(contents.text, decoded.encoding, fields, game);
    const handling::DecodedText decodedAfter = handling::decodeText(changed);
    const HandlingFile after
        = handling::readHandlingFile(decodedAfter.text, decodedAfter.encoding, game);
    for (FlagsChange &change : changes)
        change.newLine = lineNumbered(after, change.line).text;
    for (Problem &problem : handling::problemsOfChange(file, after, lines, game))
        problems.push_back(std::move(problem));
    if (countOf(problems, Level::Error) > 0)
        return finish(SetOutcome::Refused);
    if (context.options.dryRun)
        return finish(SetOutcome::DryRun);

    const files::ReplacementOutcome replaced = files::replaceFile(
        path,
        {.original = contents.text, .contents = changed, .keepBackup = context.options.keepBackup});
    if (!replaced.failure.empty()) {
        problems.push_back({.message = replaced.failure});
        return finish(SetOutcome::Refused);
    }
    return finish(SetOutcome::Written, replaced.backup);
}

} // namespace bitloom::cli
