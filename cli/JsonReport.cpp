#include "JsonReport.h"

#include "flags/FlagsValue.h"
#include "handling/FlagFacts.h"

#include <array>
#include <nlohmann/json.hpp>

namespace bitloom::cli {

namespace {

using handling::LineKind;

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

// Flags in bit order, as objects with everything the window shows of them.
Json flagObjects(std::uint32_t value)
{
    Json list = Json::array();
    for (const handling::FlagFacts &flag : handling::flagsOf(value))
        list.push_back({{"bit", flag.bit},
                        {"digit", flag.digit},
                        {"mask", flag.mask},
                        {"name", flag.name},
                        {"description", flag.description}});
    return list;
}

void addGameReading(Json &object, const Problem &problem)
{
    if (problem.gameValue)
        object["gameReads"] = flags::hexText(*problem.gameValue);
}

// Problems of values and names given on the command line.
Json inputProblems(const std::vector<Problem> &problems)
{
    Json list = Json::array();
    for (const Problem &problem : problems) {
        Json object{{"input", problem.input},
                    {"level", levelKey(problem.level)},
                    {"rule", problem.rule},
                    {"message", problem.message}};
        addGameReading(object, problem);
        list.push_back(std::move(object));
    }
    return list;
}

// Problems of a file's lines, or of the whole file (no line).
Json fileProblems(std::span<const Problem> problems)
{
    Json list = Json::array();
    for (const Problem &problem : problems) {
        Json object = Json::object();
        if (problem.line > 0)
            object["line"] = problem.line;
        object["level"] = levelKey(problem.level);
        object["rule"] = problem.rule;
        if (!problem.identifier.empty())
            object["identifier"] = problem.identifier;
        if (!problem.input.empty())
            object["raw"] = problem.input;
        object["message"] = problem.message;
        addGameReading(object, problem);
        list.push_back(std::move(object));
    }
    return list;
}

Json vehicleObject(const handling::ScannedVehicle &vehicle)
{
    Json object{{"line", vehicle.line},
                {"kind", handling::vehicleLineKind(vehicle.kind).key},
                {"identifier", vehicle.identifier},
                {"read", vehicle.read}};
    if (vehicle.kind == LineKind::Standard) {
        object["raw"] = vehicle.flagsText;
        if (vehicle.gameValue) {
            object["gameReads"] = flags::hexText(*vehicle.gameValue);
            object["value"] = flags::valueText(vehicle.flags);
            if (vehicle.extraBits != 0)
                object["extraBits"] = flags::hexText(vehicle.extraBits);
        }
        object["flags"] = handling::flagNames(vehicle.flags); // names only: files have hundreds
    }
    if (vehicle.level)
        object["level"] = levelKey(*vehicle.level);
    return object;
}

} // namespace

void JsonReport::decoded(const ValueReport &report)
{
    Json list = Json::array();
    for (const handling::DecodedValue &value : report.values) {
        Json object{{"input", value.input},
                    {"value", flags::valueText(value.value)},
                    {"flags", flagObjects(value.value)}};
        if (value.extraBits != 0)
            object["extraBits"] = flags::hexText(value.extraBits);
        list.push_back(std::move(object));
    }
    Json result = document("decode", *report.game);
    result["values"] = std::move(list);
    result["problems"] = inputProblems(report.problems);
    write(out, result);
}

void JsonReport::encoded(const ValueReport &report)
{
    Json result = document("encode", *report.game);
    if (report.value) {
        result["value"] = flags::valueText(*report.value);
        result["flags"] = flagObjects(*report.value);
    }
    result["problems"] = inputProblems(report.problems);
    write(out, result);
}

void JsonReport::listed(const GameProfile &game)
{
    Json list = Json::array();
    for (const handling::FlagFacts &flag : handling::flagTable(game))
        list.push_back({{"bit", flag.bit},
                        {"digit", flag.digit},
                        {"mask", flag.mask},
                        {"name", flag.name},
                        {"aliases", flag.aliases},
                        {"description", flag.description}});
    Json result = document("list", game);
    result["flags"] = std::move(list);
    write(out, result);
}

void JsonReport::scanned(const ScanReport &report)
{
    Json vehicles = Json::array();
    for (const handling::ScannedVehicle &vehicle : report.vehicles)
        vehicles.push_back(vehicleObject(vehicle));
    Json lines = Json::object();
    for (std::size_t i = 0; i < report.linesPerKind.size(); ++i)
        lines[handling::vehicleLineKinds[i].key] = report.linesPerKind[i];
    Json result = document("scan", *report.game);
    result["file"] = report.file;
    result["column"] = report.game->column;
    if (!report.only.empty())
        result["only"] = report.only;
    result["vehicles"] = std::move(vehicles);
    result["counts"]
        = {{"lines", std::move(lines)}, {"errors", report.errors}, {"warnings", report.warnings}};
    result["problems"] = fileProblems(report.problems);
    write(out, result);
}

void JsonReport::checked(const CheckReport &report)
{
    Json files = Json::array();
    for (const handling::CheckedFile &file : report.files)
        files.push_back({{"file", file.file},
                         {"errors", file.errors},
                         {"warnings", file.warnings},
                         {"problems", fileProblems(file.problems)}});
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
    Json list = Json::array();
    for (const handling::FlagsChange &change : report.changes)
        list.push_back({{"line", change.line},
                        {"identifier", change.identifier},
                        {"old", change.oldText},
                        {"new", change.newText},
                        {"added", handling::flagNames(change.newFlags & ~change.oldFlags)},
                        {"removed", handling::flagNames(change.oldFlags & ~change.newFlags)},
                        {"oldLine", change.oldLine},
                        {"newLine", change.newLine}});
    Json result = document("set", *report.game);
    result["file"] = report.file;
    result["column"] = report.game->column;
    result["outcome"] = outcomes[static_cast<std::size_t>(report.outcome)];
    result["changes"] = std::move(list);
    if (!report.backup.empty())
        result["backup"] = report.backup;
    result["problems"] = fileProblems(report.problems);
    write(out, result);
}

} // namespace bitloom::cli
