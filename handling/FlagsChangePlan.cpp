#include "FlagsChangePlan.h"

#include "FlagWords.h"
#include "FlagsEdit.h"
#include "HandlingFile.h"
#include "MessageText.h"
#include "TextDecoder.h"
#include "ValueProblemText.h"
#include "flags/FlagLookup.h"
#include "flags/FlagsValueReader.h"

#include <algorithm>
#include <fmt/format.h>
#include <optional>

namespace bitloom::handling {

namespace {

bool beginsVehicle(std::string_view word, const VehicleRequest &current, const GameProfile &game)
{
    if (word.starts_with('+') || word.starts_with('-'))
        return false;
    // A value mistyped without its first digit is still the value asked for.
    if (current.words.empty() && (isStartValue(word) || misspeltValue(word, game)))
        return false;
    return !flags::findFlag(word) && word.find('_') == std::string_view::npos;
}

// The vehicle's new value: its words applied to a value they start with, or
// to the value written, bits beyond the game's flags kept. None on an error.
std::optional<std::uint32_t> newValue(const VehicleRequest &vehicle, const ReadLine &line,
                                      const GameProfile &game, std::vector<Problem> &problems)
{
    const std::size_t before = problems.size();
    const auto keep = [&](std::optional<Problem> problem) {
        if (!problem)
            return;
        problem->line = line.number;
        problem->identifier = std::string(line.fields.identifier);
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
            keep(Problem{.rule = rules::flags,
                         .message = valueProblemText(written, reading, game)
                                    + " ; donnez la valeur entière plutôt que des flags à "
                                      "ajouter ou enlever",
                         .input = std::string(written)});
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

FlagsChangePlan refused(FlagsChangePlan plan)
{
    plan.report.outcome = SetOutcome::Refused;
    plan.report.changes.clear();
    plan.contents.clear();
    return plan;
}

} // namespace

std::variant<std::vector<VehicleRequest>, std::string>
vehicleRequests(std::span<const std::string_view> words, const GameProfile &game)
{
    std::vector<VehicleRequest> vehicles;
    for (std::string_view word : words) {
        if (vehicles.empty() || beginsVehicle(word, vehicles.back(), game))
            vehicles.push_back({word, {}});
        else
            vehicles.back().words.push_back(word);
    }
    for (auto vehicle = vehicles.begin(); vehicle != vehicles.end(); ++vehicle) {
        if (vehicle->words.empty())
            return fmt::format("{} : une valeur ou des flags (NOM, +NOM, -NOM) doivent suivre "
                               "l'identifiant",
                               shown(vehicle->identifier));
        if (std::any_of(vehicles.begin(), vehicle, [&](const VehicleRequest &earlier) {
                return earlier.identifier == vehicle->identifier;
            }))
            return fmt::format("{} : nommé deux fois", shown(vehicle->identifier));
    }
    return vehicles;
}

FlagsChangePlan planFlagsChanges(std::string_view file, FileContents read,
                                 std::span<const VehicleRequest> vehicles, const GameProfile &game)
{
    FlagsChangePlan plan{.report = {.file = std::string(file), .game = &game}};
    std::vector<Problem> &problems = plan.report.problems;
    if (!read.error.empty()) {
        problems.push_back({.rule = rules::file, .message = std::move(read.error)});
        return refused(std::move(plan));
    }
    plan.original = std::move(read.text);
    const DecodedText decoded = decodeText(plan.original);
    if (!decoded.error.empty()) {
        problems.push_back({.rule = rules::file, .message = decoded.error});
        return refused(std::move(plan));
    }
    const HandlingFile before = readHandlingFile(decoded.text, decoded.encoding, game);
    if (std::optional<Problem> why = notHandlingFile(before, game)) {
        problems.push_back(std::move(*why));
        return refused(std::move(plan));
    }

    std::vector<FlagsFieldChange> fields;
    std::vector<std::size_t> lines; // found, changed or not
    const bool lowerCase = writesLowerCase(before);
    for (const VehicleRequest &vehicle : vehicles) {
        FlagsLineSearch search = findFlagsLine(before, vehicle.identifier, game);
        if (!search.line) {
            problems.push_back(std::move(*search.problem));
            continue;
        }
        const ReadLine &line = *search.line;
        // Two spellings of one vehicle would write one field twice.
        if (std::find(lines.begin(), lines.end(), line.number) != lines.end()) {
            problems.push_back({.rule = rules::request,
                                .message = "nommé deux fois, sous deux casses",
                                .line = line.number,
                                .identifier = std::string(line.fields.identifier)});
            continue;
        }
        lines.push_back(line.number);
        const std::optional<std::uint32_t> value = newValue(vehicle, line, game, problems);
        const flags::ValueReading old = flags::readFlagsValue(line.fields.flagsText, 0xFFFFFFFF);
        // A field the game reads as this value but that is no value ("0x")
        // is written all the same.
        if (!value || (old.problem == flags::ValueProblem::None && old.value == *value))
            continue;
        fields.push_back({line.number, flagsFieldText(*value, line.fields.flagsText, lowerCase)});
        plan.report.changes.push_back({.line = line.number,
                                       .identifier = std::string(line.fields.identifier),
                                       .oldText = std::string(line.fields.flagsText),
                                       .newText = fields.back().text,
                                       .oldFlags = old.gameValue.value_or(0) & game.allowedBits(),
                                       .newFlags = *value & game.allowedBits(),
                                       .oldLine = std::string(line.text),
                                       .newLine = {}});
    }
    if (countOf(problems, Level::Error) > 0)
        return refused(std::move(plan));
    if (plan.report.changes.empty()) {
        plan.report.outcome = SetOutcome::Unchanged;
        return plan;
    }

    plan.contents = changeFlagsFields(plan.original, decoded.encoding, fields, game);
    const DecodedText decodedAfter = decodeText(plan.contents);
    const HandlingFile after = readHandlingFile(decodedAfter.text, decodedAfter.encoding, game);
    for (FlagsChange &change : plan.report.changes)
        change.newLine = std::string(after.line(change.line)->text);
    for (Problem &problem : problemsOfChange(before, after, lines, game))
        problems.push_back(std::move(problem));
    if (countOf(problems, Level::Error) > 0)
        return refused(std::move(plan));
    plan.report.outcome = SetOutcome::Written;
    return plan;
}

} // namespace bitloom::handling
