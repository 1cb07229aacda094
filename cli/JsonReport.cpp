#include "JsonReport.h"

#include "flags/FlagAliases.h"
#include "flags/FlagsValue.h"

#include <array>
#include <nlohmann/json.hpp>

namespace bitloom::cli {

namespace {

using handling::LineKind;

// Keys stay in the order they are written, as a person reading expects.
using Json = nlohmann::ordered_json;

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
        Json object{{"input", problem.input},
                    {"level", levelKey(problem.level)},
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
        if (!problem.rule.empty())
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

Json vehicleObject(const ScannedVehicle &vehicle, std::optional<Level> level,
                   const GameProfile &game)
{
    Json object{{"line", vehicle.line},
                {"kind", handling::vehicleLineKind(vehicle.kind).key},
                {"identifier", vehicle.identifier}};
    if (vehicle.kind == LineKind::Standard) {
        object["raw"] = vehicle.flagsText;
        if (vehicle.gameValue) {
            object["gameReads"] = flags::hexText(*vehicle.gameValue);
            object["value"] = flags::valueText(*vehicle.gameValue & game.allowedBits());
            if (const std::uint32_t extra = *vehicle.gameValue & ~game.allowedBits(); extra != 0)
                object["extraBits"] = flags::hexText(extra);
        }
        object["flags"] = flagNames(vehicle.gameValue.value_or(0) & game.allowedBits());
    }
    if (level)
        object["level"] = levelKey(*level);
    return object;
}

Json counts(std::span<const Problem> problems)
{
    return {{"errors", countOf(problems, Level::Error)},
            {"warnings", countOf(problems, Level::Warning)}};
}

} // namespace

struct JsonReport::CheckedFiles {
    Json files = Json::array();
};

JsonReport::JsonReport(std::ostream &out)
    : Report(out)
{
}

JsonReport::~JsonReport() = default;

void JsonReport::decoded(const std::vector<DecodedValue> &values,
                         const std::vector<Problem> &problems, const GameProfile &game)
{
    Json list = Json::array();
    for (const DecodedValue &value : values) {
        Json object{{"input", value.input},
                    {"value", flags::valueText(value.value)},
                    {"flags", flagObjects(value.value)}};
        if (value.extraBits != 0)
            object["extraBits"] = flags::hexText(value.extraBits);
        list.push_back(std::move(object));
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

void JsonReport::listed(const GameProfile &game)
{
    Json list = Json::array();
    for (int bit = 0; bit < game.flagCount; ++bit) {
        Json aliases = Json::array();
        for (const flags::FlagAlias &alias : flags::flagAliases) {
            if (flags::bitNamed(alias.name) == bit)
                aliases.push_back(alias.alias);
        }
        list.push_back({{"bit", bit},
                        {"digit", flags::digitOf(bit)},
                        {"mask", flags::valueText(flags::maskOf(bit))},
                        {"name", flags::flagAt(bit).name},
                        {"aliases", std::move(aliases)},
                        {"description", flags::flagAt(bit).description}});
    }
    write(out, {{"game", game.option}, {"flags", std::move(list)}});
}

void JsonReport::scanned(std::string_view file, const ScanResult &result,
                         std::span<const std::string_view> identifiers, const GameProfile &game)
{
    Json vehicles = Json::array();
    std::array<std::size_t, handling::vehicleLineKinds.size()> linesPerKind{};
    for (const ScannedVehicle &vehicle : result.vehicles) {
        vehicles.push_back(
            vehicleObject(vehicle, handling::worstLevel(result.problems, vehicle.line), game));
        ++linesPerKind[handling::vehicleKindIndex(vehicle.kind)];
    }
    Json lines = Json::object();
    for (std::size_t i = 0; i < linesPerKind.size(); ++i)
        lines[handling::vehicleLineKinds[i].key] = linesPerKind[i];
    Json document{{"file", file}, {"game", game.option}, {"column", game.column}};
    if (!identifiers.empty()) {
        Json only = Json::array();
        for (std::string_view identifier : identifiers)
            only.push_back(identifier);
        document["only"] = std::move(only);
    }
    document["vehicles"] = std::move(vehicles);
    Json summary{{"lines", std::move(lines)}};
    summary.update(counts(result.problems));
    document["counts"] = std::move(summary);
    document["problems"] = fileProblems(result.problems);
    write(out, document);
}

// The same document as any scan, so that a script reads them all alike.
void JsonReport::notScanned(std::string_view file, const Problem &problem, const GameProfile &game)
{
    ScanResult nothingRead;
    nothingRead.problems.push_back(problem);
    scanned(file, nothingRead, {}, game);
}

void JsonReport::checked(std::string_view file, const std::vector<Problem> &problems,
                         const GameProfile &)
{
    if (!checkedFiles)
        checkedFiles = std::make_unique<CheckedFiles>();
    Json object{{"file", file}};
    object.update(counts(problems));
    object["problems"] = fileProblems(problems);
    checkedFiles->files.push_back(std::move(object));
}

void JsonReport::checkEnded(std::size_t, std::size_t errors, std::size_t warnings,
                            const GameProfile &game)
{
    Json files = checkedFiles ? std::move(checkedFiles->files) : Json::array();
    checkedFiles.reset();
    write(out, {{"game", game.option},
                {"files", std::move(files)},
                {"errors", errors},
                {"warnings", warnings}});
}

void JsonReport::set(std::string_view file, const std::vector<FlagsChange> &changes,
                     SetOutcome outcome, std::string_view backup,
                     const std::vector<Problem> &problems, const GameProfile &game)
{
    constexpr std::array<std::string_view, 4> outcomes{"written", "dry-run", "unchanged",
                                                       "refused"};
    Json list = Json::array();
    for (const FlagsChange &change : changes) {
        list.push_back({{"line", change.line},
                        {"identifier", change.identifier},
                        {"old", change.oldText},
                        {"new", change.newText},
                        {"added", flagNames(change.newFlags & ~change.oldFlags)},
                        {"removed", flagNames(change.oldFlags & ~change.newFlags)},
                        {"oldLine", change.oldLine},
                        {"newLine", change.newLine}});
    }
    Json document{{"file", file},
                  {"game", game.option},
                  {"column", game.column},
                  {"outcome", outcomes[static_cast<std::size_t>(outcome)]},
                  {"changes", std::move(list)}};
    if (!backup.empty())
        document["backup"] = backup;
    document["problems"] = fileProblems(problems);
    write(out, document);
}

} // namespace bitloom::cli
