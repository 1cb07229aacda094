#include "TextReport.h"

#include "FlagAliases.h"
#include "Messages.h"
#include "TextTable.h"
#include "flags/FlagsValue.h"

#include <array>
#include <string>

namespace bitloom::cli {

namespace {

using messages::cat;

void writeFlagTable(std::ostream &out, std::uint32_t value)
{
    if (value == 0) {
        out << "  " << messages::noFlag << '\n';
        return;
    }
    TextTable table("  ");
    for (int bit : flags::setBits(value)) {
        table.addRow({std::string(flags::digitCaption(flags::digitOf(bit))),
                      flags::valueText(flags::maskOf(bit)), std::string(flags::flagAt(bit).name),
                      std::string(flags::flagAt(bit).description)});
    }
    table.write(out);
}

std::string flagNames(std::uint32_t value)
{
    std::string names;
    for (int bit : flags::setBits(value))
        names += cat({names.empty() ? "" : " ", flags::flagAt(bit).name});
    return names.empty() ? "-" : names;
}

std::string aliasesOf(int bit)
{
    std::string text;
    for (const FlagAlias &alias : flagAliases) {
        if (bitNamed(alias.name) == bit)
            text += cat({text.empty() ? "" : " ", alias.alias});
    }
    return text;
}

std::string markOf(std::optional<Level> level)
{
    if (!level)
        return " ";
    return std::string(*level == Level::Error ? messages::errorMark : messages::warningMark);
}

// The flags column: the game's flags in the value it reads, and the bits
// beyond them.
std::string flagsCell(const ScannedVehicle &vehicle, const GameProfile &game)
{
    if (vehicle.kind != LineKind::Standard)
        return messages::entryLabel(vehicle.kind);
    if (!vehicle.gameValue)
        return std::string(messages::nothingRead);
    std::string cell = flagNames(*vehicle.gameValue & game.allowedBits());
    if (const std::uint32_t extra = *vehicle.gameValue & ~game.allowedBits(); extra != 0)
        cell += cat({" (+ ", messages::extraBitsLabel, flags::hexText(extra), ")"});
    return cell;
}

} // namespace

void TextReport::decoded(const std::vector<DecodedValue> &values, const std::vector<Problem> &,
                         const GameProfile &)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            out << '\n';
        out << values[i].input << '\n';
        writeFlagTable(out, values[i].value);
        out << "  " << messages::valueLabel << flags::valueText(values[i].value) << '\n';
        if (values[i].extraBits != 0)
            out << "  " << messages::extraBitsLabel << flags::hexText(values[i].extraBits) << '\n';
    }
}

void TextReport::encoded(std::optional<std::uint32_t> value, const std::vector<Problem> &,
                         const GameProfile &)
{
    if (value)
        out << flags::valueText(*value) << '\n';
}

void TextReport::listed(const GameProfile &game)
{
    TextTable table;
    table.addRow({std::string(messages::bitHeader), std::string(messages::digitHeader),
                  std::string(messages::maskHeader), std::string(messages::nameHeader),
                  std::string(messages::aliasHeader)});
    for (int bit = 0; bit < game.flagCount; ++bit) {
        table.addRow({std::to_string(bit), std::to_string(flags::digitOf(bit)),
                      flags::valueText(flags::maskOf(bit)), std::string(flags::flagAt(bit).name),
                      aliasesOf(bit)});
    }
    table.write(out);
}

void TextReport::scanned(std::string_view, const ScanResult &result,
                         std::span<const std::string_view>, const GameProfile &game)
{
    TextTable table;
    table.addRow({" ", std::string(messages::lineHeader), std::string(messages::identifierHeader),
                  std::string(game.column), std::string(messages::gameReadsHeader),
                  std::string(messages::flagsHeader)});
    std::array<std::size_t, vehicleLineKinds.size()> linesPerKind{};
    for (const ScannedVehicle &vehicle : result.vehicles) {
        ++linesPerKind[vehicleKindIndex(vehicle.kind)];
        const bool standard = vehicle.kind == LineKind::Standard;
        std::string read;
        if (standard)
            read = vehicle.gameValue ? flags::hexText(*vehicle.gameValue) : messages::nothingRead;
        table.addRow({markOf(worstLevel(result.problems, vehicle.line)),
                      std::to_string(vehicle.line), std::string(vehicle.identifier),
                      std::string(vehicle.flagsText), read, flagsCell(vehicle, game)});
    }
    table.write(out);
    out << '\n'
        << messages::scanSummary(linesPerKind, countOf(result.problems, Level::Error),
                                 countOf(result.problems, Level::Warning))
        << '\n';
}

void TextReport::notScanned(std::string_view, const Problem &, const GameProfile &) {}

void TextReport::checked(std::string_view file, const std::vector<Problem> &problems,
                         const GameProfile &)
{
    for (const Problem &problem : problems)
        out << messages::fileProblem(file, problem) << '\n';
}

void TextReport::checkEnded(std::size_t files, std::size_t errors, std::size_t warnings,
                            const GameProfile &)
{
    out << messages::checkSummary(files, errors, warnings) << '\n';
}

} // namespace bitloom::cli
