#include "JsonReport.h"

#include "JsonString.h"
#include "flags/FlagsValue.h"

namespace bitloom::cli {

namespace {

// Flags in bit order, as objects with everything the window shows of them.
void writeFlagObjects(std::ostream &out, std::uint32_t value, std::string_view indent)
{
    out << '[';
    bool first = true;
    for (int bit = 0; bit < flags::flagCount; ++bit) {
        if ((value & flags::maskOf(bit)) == 0)
            continue;
        out << (first ? "\n" : ",\n") << indent << "{\"bit\": " << bit
            << ", \"digit\": " << flags::digitOf(bit)
            << ", \"mask\": " << jsonString(flags::valueText(flags::maskOf(bit)))
            << ", \"name\": " << jsonString(flags::flagAt(bit).name)
            << ", \"description\": " << jsonString(flags::flagAt(bit).description) << '}';
        first = false;
    }
    out << ']';
}

// Names only: a handling file has hundreds of vehicles.
void writeFlagNames(std::ostream &out, std::uint32_t value)
{
    out << '[';
    bool first = true;
    for (int bit = 0; bit < flags::flagCount; ++bit) {
        if ((value & flags::maskOf(bit)) == 0)
            continue;
        out << (first ? "" : ", ") << jsonString(flags::flagAt(bit).name);
        first = false;
    }
    out << ']';
}

} // namespace

void JsonReport::decoded(const std::vector<DecodedValue> &values, const GameProfile &game)
{
    out << "{\n  \"game\": " << jsonString(game.option) << ",\n  \"values\": [";
    for (std::size_t i = 0; i < values.size(); ++i) {
        out << (i == 0 ? "\n" : ",\n") << "    {\"input\": " << jsonString(values[i].input)
            << ", \"value\": " << jsonString(flags::valueText(values[i].value)) << ", \"flags\": ";
        writeFlagObjects(out, values[i].value, "      ");
        out << '}';
    }
    out << "\n  ]\n}\n";
}

void JsonReport::encoded(std::uint32_t value, const GameProfile &game)
{
    out << "{\n  \"game\": " << jsonString(game.option)
        << ",\n  \"value\": " << jsonString(flags::valueText(value)) << ",\n  \"flags\": ";
    writeFlagObjects(out, value, "    ");
    out << "\n}\n";
}

void JsonReport::scanned(std::string_view file, const ScanResult &result, const GameProfile &game)
{
    out << "{\n  \"file\": " << jsonString(file) << ",\n  \"game\": " << jsonString(game.option)
        << ",\n  \"column\": " << jsonString(game.column) << ",\n  \"vehicles\": [";
    for (std::size_t i = 0; i < result.vehicles.size(); ++i) {
        const ScannedVehicle &vehicle = result.vehicles[i];
        out << (i == 0 ? "\n" : ",\n") << "    {\"line\": " << vehicle.line
            << ", \"identifier\": " << jsonString(vehicle.identifier)
            << ", \"raw\": " << jsonString(vehicle.flagsText)
            << ", \"value\": " << jsonString(flags::valueText(vehicle.value)) << ", \"flags\": ";
        writeFlagNames(out, vehicle.value);
        out << '}';
    }
    out << "\n  ],\n  \"otherSectionLines\": " << result.otherSectionLines << "\n}\n";
}

} // namespace bitloom::cli
