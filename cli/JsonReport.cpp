#include "JsonReport.h"

#include "flags/FlagsValue.h"

#include <nlohmann/json.hpp>

namespace bitloom::cli {

namespace {

// Keys stay in the order they are written, as a person reading expects.
using Json = nlohmann::ordered_json;

// Handling files are not always UTF-8: a byte that does not belong to a valid
// UTF-8 sequence is written as U+FFFD, so that the document stays valid JSON.
void write(std::ostream &out, const Json &document)
{
    out << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

// Flags in bit order, as objects with everything the window shows of them.
Json flagObjects(std::uint32_t value)
{
    Json list = Json::array();
    for (int bit : flags::setBits(value)) {
        list.push_back({{"bit", bit},
                        {"digit", flags::digitOf(bit)},
                        {"mask", flags::valueText(flags::maskOf(bit))},
                        {"name", flags::flagAt(bit).name},
                        {"description", flags::flagAt(bit).description}});
    }
    return list;
}

// Names only: a handling file has hundreds of vehicles.
Json flagNames(std::uint32_t value)
{
    Json list = Json::array();
    for (int bit : flags::setBits(value))
        list.push_back(flags::flagAt(bit).name);
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
        Json object{{"input", problem.input}, {"message", problem.message}};
        addGameReading(object, problem);
        list.push_back(std::move(object));
    }
    return list;
}

// Problems of a file's lines, or of the whole file (no line).
Json fileProblems(const std::vector<Problem> &problems)
{
    Json list = Json::array();
    for (const Problem &problem : problems) {
        Json object = Json::object();
        if (problem.line > 0)
            object["line"] = problem.line;
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

} // namespace

void JsonReport::decoded(const std::vector<DecodedValue> &values,
                         const std::vector<Problem> &problems, const GameProfile &game)
{
    Json list = Json::array();
    for (const DecodedValue &value : values) {
        list.push_back({{"input", value.input},
                        {"value", flags::valueText(value.value)},
                        {"flags", flagObjects(value.value)}});
    }
    write(out, {{"game", game.option},
                {"values", std::move(list)},
                {"problems", inputProblems(problems)}});
}

void JsonReport::encoded(std::optional<std::uint32_t> value, const std::vector<Problem> &problems,
                         const GameProfile &game)
{
    Json document{{"game", game.option}};
    if (value) {
        document["value"] = flags::valueText(*value);
        document["flags"] = flagObjects(*value);
    }
    document["problems"] = inputProblems(problems);
    write(out, document);
}

void JsonReport::scanned(std::string_view file, const ScanResult &result, const GameProfile &game)
{
    Json vehicles = Json::array();
    for (const ScannedVehicle &vehicle : result.vehicles) {
        vehicles.push_back({{"line", vehicle.line},
                            {"identifier", vehicle.identifier},
                            {"raw", vehicle.flagsText},
                            {"value", flags::valueText(vehicle.value)},
                            {"flags", flagNames(vehicle.value)}});
    }
    write(out, {{"file", file},
                {"game", game.option},
                {"column", game.column},
                {"vehicles", std::move(vehicles)},
                {"otherSectionLines", result.otherSectionLines},
                {"problems", fileProblems(result.problems)}});
}

// The same document as any scan, so that a script reads them all alike.
void JsonReport::notScanned(std::string_view file, const Problem &problem, const GameProfile &game)
{
    ScanResult nothingRead;
    nothingRead.problems.push_back(problem);
    scanned(file, nothingRead, game);
}

} // namespace bitloom::cli
