#include "JsonReport.h"

#include "flags/FlagsValue.h"
#include "handling/FlagFacts.h"

#include <array>
#include <nlohmann/json.hpp>

namespace bitloom::cli {

namespace {

using handling::FlagsField;

// Keys stay in the order they are written, as a person reading expects.
using Json = nlohmann::ordered_json;

// Every document begins alike: its shape's version, the command and the game.
Json document(std::string_view command, const GameProfile &game)
{
    return {{"version", jsonVersion}, {"command", command}, {"game", game.option}};
}

// Handling files are not always UTF-8: a byte that does not belong to a valid
// UTF-8 sequence is written as U+FFFD, so that the document stays valid JSON.
void write(std::ostream &out, const Json &document)
{
    out << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

std::string_view levelKey(Level level)
{
    return level == Level::Error ? "error" : "warning";
}

bool severalFields(const GameProfile &game)
{
    return game.flagsFields.size() > 1;
}

// A flag with everything the window shows of it, and the game file's
// spellings of its name for the list.
Json flagObject(const handling::FlagFacts &flag, bool withAliases = false)
{
    Json object{{"bit", flag.bit}, {"digit", flag.digit}, {"mask", flag.mask}, {"name", flag.name}};
    if (withAliases)
        object["aliases"] = flag.aliases;
    object["description"] = flag.description;
    return object;
}

// The flags of a value, in bit order.
Json flagObjects(const FlagsField &field, std::uint32_t value)
{
    Json list = Json::array();
    for (const handling::FlagFacts &flag : handling::flagsOf(field, value))
        list.push_back(flagObject(flag));
    return list;
}

// Problems of values and names given on the command line (each with its
// "input"), or of a file's lines or the whole file (with the "raw" text of
// the line's field, if any).
Json problemObjects(std::span<const Problem> problems, bool ofInputs = false)
{
    Json list = Json::array();
    for (const Problem &problem : problems) {
        Json object = Json::object();
        if (ofInputs)
            object["input"] = problem.input;
        if (problem.line > 0)
            object["line"] = problem.line;
        object["level"] = levelKey(problem.level);
        object["rule"] = problem.rule;
        if (!problem.identifier.empty())
            object["identifier"] = problem.identifier;
        if (!ofInputs && !problem.input.empty())
            object["raw"] = problem.input;
        object["message"] = problem.message;
        if (problem.gameValue)
            object["gameReads"] = flags::hexText(*problem.gameValue);
        list.push_back(std::move(object));
    }
    return list;
}

Json fieldObject(const handling::FieldReading &reading, const FlagsField &field)
{
    Json object{{"raw", reading.text}};
    if (reading.gameValue) {
        object["gameReads"] = flags::hexText(*reading.gameValue);
        object["value"] = flags::hexText(reading.flags);
        if (reading.extraBits != 0)
            object["extraBits"] = flags::hexText(reading.extraBits);
    }
    // Names only: a handling file has hundreds of vehicles.
    object["flags"] = handling::flagNames(field, reading.flags);
    return object;
}

// In a game of one flags field, the field's keys stand in the object itself;
// in a game of several, each field's under its key in "fields".
void addField(Json &object, const GameProfile &game, std::size_t field, Json keys)
{
    if (severalFields(game))
        object["fields"][game.flagsFields[field].key] = std::move(keys);
    else
        object.update(keys);
}

// A value and its flags, with the field it is for in a game of several.
Json valueObject(const GameProfile &game, const handling::DecodedValue &value)
{
    const FlagsField &field = game.flagsFields[value.field];
    Json object = Json::object();
    if (severalFields(game))
        object["field"] = field.key;
    object["value"] = flags::hexText(value.value);
    object["flags"] = flagObjects(field, value.value);
    if (value.extraBits != 0)
        object["extraBits"] = flags::hexText(value.extraBits);
    return object;
}

Json vehicleObject(const handling::ScannedVehicle &vehicle, const GameProfile &game)
{
    Json object{{"line", vehicle.line},
                {"kind", handling::vehicleLineKind(vehicle.kind).key},
                {"identifier", vehicle.identifier},
                {"read", vehicle.read}};
    for (std::size_t i = 0; i < vehicle.fields.size(); ++i)
        addField(object, game, i, fieldObject(vehicle.fields[i], game.flagsFields[i]));
    if (vehicle.level)
        object["level"] = levelKey(*vehicle.level);
    return object;
}

} // namespace

void JsonReport::decoded(const ValueReport &report)
{
    Json list = Json::array();
    for (const handling::DecodedValue &value : report.values) {
        Json object{{"input", value.input}};
        object.update(valueObject(*report.game, value));
        list.push_back(std::move(object));
    }
    Json result = document("decode", *report.game);
    result["values"] = std::move(list);
    result["problems"] = problemObjects(report.problems, true);
    write(out, result);
}

// In a game of one field, its value in the document itself; in a game of
// several, the value of each field the words touch, in "values".
void JsonReport::encoded(const ValueReport &report)
{
    Json result = document("encode", *report.game);
    if (severalFields(*report.game)) {
        Json values = Json::array();
        for (const handling::DecodedValue &value : report.values)
            values.push_back(valueObject(*report.game, value));
        result["values"] = std::move(values);
    } else if (!report.values.empty()) {
        result.update(valueObject(*report.game, report.values.front()));
    }
    result["problems"] = problemObjects(report.problems, true);
    write(out, result);
}

void JsonReport::listed(const GameProfile &game)
{
    Json list = Json::array();
    for (const FlagsField &field : game.flagsFields) {
        for (const handling::FlagFacts &flag : handling::flagTable(field)) {
            Json object = severalFields(game) ? Json{{"field", field.key}} : Json::object();
            object.update(flagObject(flag, true));
            list.push_back(std::move(object));
        }
    }
    Json result = document("list", game);
    result["flags"] = std::move(list);
    write(out, result);
}

void JsonReport::scanned(const ScanReport &report)
{
    const GameProfile &game = *report.game;
    Json vehicles = Json::array();
    for (const handling::ScannedVehicle &vehicle : report.vehicles)
        vehicles.push_back(vehicleObject(vehicle, game));
    Json lines = Json::object();
    for (std::size_t i = 0; i < report.linesPerKind.size(); ++i)
        lines[handling::vehicleLineKinds[i].key] = report.linesPerKind[i];
    Json result = document("scan", game);
    result["file"] = report.file;
    result["column"] = game.flags().column;
    if (!report.only.empty())
        result["only"] = report.only;
    if (!report.has.empty())
        result["has"] = report.has;
    result["vehicles"] = std::move(vehicles);
    result["counts"]
        = {{"lines", std::move(lines)}, {"errors", report.errors}, {"warnings", report.warnings}};
    result["problems"] = problemObjects(report.problems);
    write(out, result);
}

void JsonReport::checked(const CheckReport &report)
{
    Json files = Json::array();
    for (const handling::CheckedFile &file : report.files)
        files.push_back({{"file", file.file},
                         {"game", file.game->option},
                         {"errors", file.errors},
                         {"warnings", file.warnings},
                         {"problems", problemObjects(file.problems)}});
    Json result = document("check", *report.game);
    result["files"] = std::move(files);
    result["errors"] = report.errors;
    result["warnings"] = report.warnings;
    write(out, result);
}

void JsonReport::set(const SetReport &report)
{
    constexpr std::array<std::string_view, 4> outcomes{"written", "dry-run", "unchanged",
                                                       "refused"};
    const GameProfile &game = *report.game;
    Json list = Json::array();
    for (const handling::FlagsChange &change : report.changes) {
        Json object{{"line", change.line}, {"identifier", change.identifier}};
        for (const handling::FieldChange &changed : change.fields) {
            const FlagsField &field = game.flagsFields[changed.field];
            addField(
                object, game, changed.field,
                {{"old", changed.oldText},
                 {"new", changed.newText},
                 {"added", handling::flagNames(field, changed.newFlags & ~changed.oldFlags)},
                 {"removed", handling::flagNames(field, changed.oldFlags & ~changed.newFlags)}});
        }
        object["oldLine"] = change.oldLine;
        object["newLine"] = change.newLine;
        list.push_back(std::move(object));
    }
    Json result = document("set", game);
    result["file"] = report.file;
    result["column"] = game.flags().column;
    result["outcome"] = outcomes[static_cast<std::size_t>(report.outcome)];
    result["changes"] = std::move(list);
    if (!report.backup.empty())
        result["backup"] = report.backup;
    result["problems"] = problemObjects(report.problems);
    write(out, result);
}

} // namespace bitloom::cli
