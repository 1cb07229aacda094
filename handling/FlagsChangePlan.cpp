#include "FlagsChangePlan.h"

#include "FlagWords.h"
#include "FlagsEdit.h"
#include "GameOfFile.h"
#include "HandlingFile.h"
#include "MessageText.h"
#include "TextDecoder.h"
#include "ValueProblemText.h"
#include "flags/FlagLookup.h"
#include "flags/FlagsValueReader.h"
#include "rules/Rules.h"

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
    if (current.words.empty() && (isStartValue(word, game) || misspeltValue(word, game)))
        return false;
    const bool flagName = std::any_of(game.flagsFields.begin(), game.flagsFields.end(),
                                      [&](const FlagsField &f) { return f.table->find(word); });
    return !flagName && word.find('_') == std::string_view::npos;
}

// The new value of each flags field the vehicle's words touch: their words
// applied to the value a start value gives, or to the value written, bits
// beyond the game's flags kept. Nothing on an error.
using FieldValues = std::vector<std::optional<std::uint32_t>>;

std::optional<FieldValues> newValues(const VehicleRequest &vehicle, const ReadLine &line,
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
    FieldValues values(game.flagsFields.size());
    // A field's value as written, the first time a step touches it.
    const auto written = [&](std::size_t field) -> std::optional<std::uint32_t> & {
        if (values[field])
            return values[field];
        const std::string_view text = line.fields.flagsTexts[field];
        const flags::ValueReading reading
            = flags::readFlagsValue(text, game.flagsFields[field].allowedBits());
        if (isRead(reading))
            values[field] = reading.value;
        else
            keep(Problem{.rule = rules::flags,
                         .message = valueProblemText(text, reading, game)
                                    + " ; donnez la valeur entière plutôt que des flags à "
                                      "ajouter ou enlever",
                         .input = std::string(text)});
        return values[field];
    };

    std::span<const std::string_view> steps = vehicle.words;
    if (isStartValue(steps.front(), game)) {
        StartValue start = readStartValue(steps.front(), game);
        values[start.field] = start.value;
        keep(std::move(start.problem));
        steps = steps.subspan(1);
    }
    for (std::string_view word : steps) {
        FlagStep step = readFlagStep(word, game);
        if (step.problem) {
            keep(std::move(step.problem));
            continue;
        }
        if (std::optional<std::uint32_t> &value = written(step.field))
            value = step.appliedTo(*value);
    }
    const bool failed
        = std::any_of(problems.begin() + static_cast<std::ptrdiff_t>(before), problems.end(),
                      [](const Problem &p) { return p.level == Level::Error; });
    return failed ? std::nullopt : std::optional(values);
}

FlagsChangePlan refused(FlagsChangePlan plan)
{
    plan.report.refuse();
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

void SetReport::refuse(std::string failure)
{
    outcome = SetOutcome::Refused;
    changes.clear();
    if (!failure.empty())
        problems.push_back({.rule = rules::file, .message = std::move(failure)});
}

FlagsChangePlan planFlagsChanges(std::string_view file, FileContents read,
                                 std::span<const std::string_view> words, const GameProfile *asked)
{
    FlagsChangePlan plan{.report = {.file = std::string(file), .game = asked ? asked : &viceCity}};
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
    const GameProfile &game = gameToRead(decoded.text, decoded.encoding, asked);
    plan.report.game = &game;
    plan.gameTold = asked == nullptr && &game != &viceCity;
    const auto requests = vehicleRequests(words, game);
    if (const auto *wrong = std::get_if<std::string>(&requests)) {
        plan.wrongWords = *wrong;
        return refused(std::move(plan));
    }
    const auto &vehicles = std::get<std::vector<VehicleRequest>>(requests);
    const HandlingFile before = readHandlingFile(decoded.text, decoded.encoding, game);
    if (std::optional<Problem> why = notHandlingFile(before, game)) {
        problems.push_back(std::move(*why));
        return refused(std::move(plan));
    }
    rules::checkGame(before, game, problems);
    if (!problems.empty()) {
        problems.back().rule = rules::game;
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
        const std::optional<FieldValues> values = newValues(vehicle, line, game, problems);
        if (!values)
            continue;
        FlagsChange change{.line = line.number,
                           .identifier = std::string(line.fields.identifier),
                           .oldLine = std::string(line.text)};
        for (std::size_t i = 0; i < values->size(); ++i) {
            const std::optional<std::uint32_t> value = (*values)[i];
            const std::string_view text = line.fields.flagsTexts[i];
            const flags::ValueReading old = flags::readFlagsValue(text, 0xFFFFFFFF);
            // A field the game reads as this value but that is no value ("0x")
            // is written all the same.
            if (!value || (old.problem == flags::ValueProblem::None && old.value == *value))
                continue;
            const std::uint32_t allowed = game.flagsFields[i].allowedBits();
            fields.push_back({line.number, i, flagsFieldText(*value, text, lowerCase)});
            change.fields.push_back({.field = i,
                                     .oldText = std::string(text),
                                     .newText = fields.back().text,
                                     .oldFlags = old.gameValue.value_or(0) & allowed,
                                     .newFlags = *value & allowed});
        }
        if (!change.fields.empty())
            plan.report.changes.push_back(std::move(change));
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
