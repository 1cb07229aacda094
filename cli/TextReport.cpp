#include "TextReport.h"

#include "Messages.h"
#include "flags/FlagsValue.h"

#include <algorithm>
#include <string>

namespace bitloom::cli {

namespace {

constexpr std::string_view gap = "  ";

// Characters on screen: every byte but UTF-8 continuation bytes.
std::size_t displayWidth(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void writePadded(std::ostream &out, std::string_view text, std::size_t width)
{
    static const std::string spaces(64, ' ');
    out << text;
    for (std::size_t used = displayWidth(text); used < width;) {
        const std::size_t count = std::min(width - used, spaces.size());
        out.write(spaces.data(), static_cast<std::streamsize>(count));
        used += count;
    }
}

void writeFlagTable(std::ostream &out, std::uint32_t value)
{
    std::size_t captionWidth = 0;
    std::size_t maskWidth = 0;
    std::size_t nameWidth = 0;
    for (int bit : flags::setBits(value)) {
        captionWidth
            = std::max(captionWidth, displayWidth(flags::digitCaption(flags::digitOf(bit))));
        maskWidth = std::max(maskWidth, flags::valueText(flags::maskOf(bit)).size());
        nameWidth = std::max(nameWidth, flags::flagAt(bit).name.size());
    }
    if (value == 0)
        out << gap << messages::noFlag << '\n';
    for (int bit : flags::setBits(value)) {
        out << gap;
        writePadded(out, flags::digitCaption(flags::digitOf(bit)), captionWidth);
        out << gap;
        writePadded(out, flags::valueText(flags::maskOf(bit)), maskWidth);
        out << gap;
        writePadded(out, flags::flagAt(bit).name, nameWidth);
        out << gap << flags::flagAt(bit).description << '\n';
    }
}

std::string flagNames(std::uint32_t value)
{
    std::string names;
    for (int bit : flags::setBits(value)) {
        if (!names.empty())
            names += ' ';
        names += flags::flagAt(bit).name;
    }
    return names.empty() ? "-" : names;
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
        out << gap << messages::valueLabel << flags::valueText(values[i].value) << '\n';
    }
}

void TextReport::encoded(std::optional<std::uint32_t> value, const std::vector<Problem> &,
                         const GameProfile &)
{
    if (value)
        out << flags::valueText(*value) << '\n';
}

void TextReport::scanned(std::string_view, const ScanResult &result, const GameProfile &game)
{
    std::size_t lineWidth = messages::lineHeader.size();
    std::size_t identifierWidth = displayWidth(messages::identifierHeader);
    std::size_t rawWidth = game.column.size();
    for (const ScannedVehicle &vehicle : result.vehicles) {
        lineWidth = std::max(lineWidth, std::to_string(vehicle.line).size());
        identifierWidth = std::max(identifierWidth, displayWidth(vehicle.identifier));
        rawWidth = std::max(rawWidth, displayWidth(vehicle.flagsText));
    }

    writePadded(out, messages::lineHeader, lineWidth);
    out << gap;
    writePadded(out, messages::identifierHeader, identifierWidth);
    out << gap;
    writePadded(out, game.column, rawWidth);
    out << gap << messages::flagsHeader << '\n';
    for (const ScannedVehicle &vehicle : result.vehicles) {
        writePadded(out, std::to_string(vehicle.line), lineWidth);
        out << gap;
        writePadded(out, vehicle.identifier, identifierWidth);
        out << gap;
        writePadded(out, vehicle.flagsText, rawWidth);
        out << gap << flagNames(vehicle.value) << '\n';
    }
    out << '\n' << messages::scanSummary(result.vehicles.size(), result.otherSectionLines) << '\n';
}

void TextReport::notScanned(std::string_view, const Problem &, const GameProfile &) {}

} // namespace bitloom::cli
