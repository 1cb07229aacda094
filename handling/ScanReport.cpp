#include "ScanReport.h"

#include "FileChecker.h"
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

void addVehicle(ScanReport &report, const ReadLine &line, bool read,
                std::span<const std::string_view> only)
{
    const std::uint32_t allowed = report.game->allowedBits();
    const HandlingLine &fields = line.fields;
    if (!isVehicleLine(fields.kind) || !asked(fields.identifier, only))
        return;
    ScannedVehicle vehicle{.line = line.number,
                           .kind = fields.kind,
                           .identifier = std::string(fields.identifier),
                           .flagsText = std::string(fields.flagsText),
                           .gameValue = std::nullopt,
                           .read = read,
                           .level = std::nullopt};
    if (fields.kind == LineKind::Standard)
        vehicle.gameValue = flags::readFlagsValue(fields.flagsText).gameValue;
    vehicle.flags = vehicle.gameValue.value_or(0) & allowed;
    vehicle.extraBits = vehicle.gameValue.value_or(0) & ~allowed;
    report.vehicles.push_back(std::move(vehicle));
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
                        const GameProfile &game, std::span<const std::string_view> only)
{
    ScanReport report{.file = std::string(file), .game = &game};
    const HandlingFile handling = readHandlingFile(text, encoding, game);
    for (const ReadLine &line : handling.lines)
        addVehicle(report, line, true, only);
    for (const ReadLine *line : vehiclesAfterEnd(handling, game))
        addVehicle(report, *line, false, only);
    for (std::string_view wanted : only) {
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
    for (Problem &problem : checkHandlingFile(handling, game)) {
        if (problem.identifier.empty() || asked(problem.identifier, only))
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
    files.push_back({scan.file, scan.problems, scan.errors, scan.warnings});
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

} // namespace bitloom::handling
