#include "ScanReport.h"

#include "FileChecker.h"
#include "FlagWords.h"
#include "GameOfFile.h"
#include "HandlingFile.h"
#include "MessageText.h"
#include "flags/FlagsValueReader.h"
#include "text/AsciiCase.h"

#include <algorithm>
#include <fmt/format.h>

namespace bitloom::handling {

namespace {

bool asked(std::string_view identifier, std::span<const std::string_view> only)
{
    return only.empty() || std::any_of(only.begin(), only.end(), [&](std::string_view wanted) {
               return text::sameIgnoringAsciiCase(identifier, wanted);
           });
}

ScannedVehicle scannedVehicle(const ReadLine &line, bool read, const GameProfile &game)
{
    ScannedVehicle vehicle{.line = line.number,
                           .kind = line.fields.kind,
                           .identifier = std::string(line.fields.identifier),
                           .read = read};
    if (line.fields.kind != LineKind::Standard)
        return vehicle;
    for (std::size_t i = 0; i < game.flagsFields.size(); ++i) {
        const std::string_view text = line.fields.flagsTexts[i];
        const std::uint32_t allowed = game.flagsFields[i].allowedBits();
        FieldReading field{.text = std::string(text),
                           .gameValue = flags::readFlagsValue(text).gameValue};
        field.flags = field.gameValue.value_or(0) & allowed;
        field.extraBits = field.gameValue.value_or(0) & ~allowed;
        vehicle.fields.push_back(std::move(field));
    }
    return vehicle;
}

void count(ScanReport &report)
{
    for (ScannedVehicle &vehicle : report.vehicles) {
        vehicle.level = worstLevel(report.problems, vehicle.line);
        ++report.linesPerKind[vehicleKindIndex(vehicle.kind)];
    }
    report.errors = countOf(report.problems, Level::Error);
    report.warnings = countOf(report.problems, Level::Warning);
}

} // namespace

ScanReport scanHandling(std::string_view file, std::string_view text, TextEncoding encoding,
                        const GameProfile &game, ScanFilter filter)
{
    ScanReport report{.file = std::string(file), .game = &game, .has = std::string(filter.has)};
    std::optional<FlagStep> has;
    if (!filter.has.empty()) {
        has = readFlagStep(filter.has, game);
        if (has->problem)
            report.problems.push_back(std::move(*has->problem));
    }
    const auto listed = [&](const ScannedVehicle &vehicle) {
        if (!asked(vehicle.identifier, filter.only))
            return false;
        return !has
               || (vehicle.kind == LineKind::Standard
                   && (vehicle.fields[has->field].flags & has->mask) != 0);
    };
    const HandlingFile handling = readHandlingFile(text, encoding, game);
    for (const ReadLine &line : handling.lines) {
        if (isVehicleLine(line.fields.kind))
            report.vehicles.push_back(scannedVehicle(line, true, game));
    }
    for (const ReadLine *line : vehiclesAfterEnd(handling, game))
        report.vehicles.push_back(scannedVehicle(*line, false, game));
    std::erase_if(report.vehicles, [&](const ScannedVehicle &v) { return !listed(v); });

    for (std::string_view wanted : filter.only) {
        report.only.emplace_back(wanted);
        if (std::none_of(report.vehicles.begin(), report.vehicles.end(),
                         [&](const ScannedVehicle &v) {
                             return text::sameIgnoringAsciiCase(v.identifier, wanted);
                         }))
            report.problems.push_back(
                {.level = Level::Warning,
                 .rule = rules::missing,
                 .message
                 = fmt::format("aucune ligne du véhicule {} dans le fichier", quoted(wanted))});
    }
    // The problems of the whole file, and those of the vehicles listed.
    const bool filtered = !filter.only.empty() || has;
    for (Problem &problem : checkHandlingFile(handling, game)) {
        if (!filtered || problem.identifier.empty()
            || std::any_of(report.vehicles.begin(), report.vehicles.end(),
                           [&](const ScannedVehicle &v) {
                               return text::sameIgnoringAsciiCase(v.identifier, problem.identifier);
                           }))
            report.problems.push_back(std::move(problem));
    }
    count(report);
    return report;
}

ScanReport unreadFile(std::string_view file, std::string message, const GameProfile &game)
{
    ScanReport report{.file = std::string(file), .game = &game, .read = false};
    report.problems.push_back({.rule = rules::file, .message = std::move(message)});
    count(report);
    return report;
}

void CheckReport::add(const ScanReport &scan)
{
    files.push_back(
        {scan.file, scan.game, scan.gameTold, scan.problems, scan.errors, scan.warnings});
    errors += scan.errors;
    warnings += scan.warnings;
}

std::optional<Level> worstLevel(std::span<const Problem> problems, std::size_t line)
{
    struct ByLine {
        bool operator()(const Problem &p, std::size_t n) const { return p.line < n; }
        bool operator()(std::size_t n, const Problem &p) const { return n < p.line; }
    };
    const auto [first, last] = std::equal_range(problems.begin(), problems.end(), line, ByLine{});
    if (first == last)
        return std::nullopt;
    const bool error
        = std::any_of(first, last, [](const Problem &p) { return p.level == Level::Error; });
    return error ? Level::Error : Level::Warning;
}

ScanReport scanContents(std::string_view file, FileContents contents, const GameProfile *asked,
                        ScanFilter filter)
{
    const GameProfile &fallback = asked ? *asked : viceCity;
    if (!contents.error.empty())
        return unreadFile(file, std::move(contents.error), fallback);
    const DecodedText decoded = decodeText(std::move(contents.text));
    if (!decoded.error.empty())
        return unreadFile(file, decoded.error, fallback);
    const GameProfile &game = gameToRead(decoded.text, decoded.encoding, asked);
    ScanReport report = scanHandling(file, decoded.text, decoded.encoding, game, filter);
    report.gameTold = asked == nullptr && &game != &viceCity;
    return report;
}

} // namespace bitloom::handling
