// How the game reads a handling file: how it tells the kinds of lines apart,
// how it splits them into fields, and the limits of its reader, which it
// never checks.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace bitloom::handling {

enum class LineKind : std::uint8_t {
    Blank,          // nothing but spaces and tabs
    Comment,        // ';' in the first column
    End,            // ";the end": the data stop here, in the games that look for it
    AnimationGroup, // '^' in the first column, in San Andreas: no vehicle's
    Standard,
    Boat,   // '%' in the first column
    Bike,   // '!' in the first column
    Flying, // '$' in the first column
};

inline constexpr std::string_view fieldSeparators = " \t";
inline constexpr char commentMarker = ';';
inline constexpr char animationGroupMarker = '^';
// The whole line, compared as a whole: anything before or after it makes
// the line a comment. A '\r' before the line break does not count: the game
// reads the file in text mode, which drops it.
inline constexpr std::string_view endMarker = ";the end";

// GTA3 and Vice-City copy each line into a buffer of 200 characters and the
// file into one of 55,000 bytes, without checking either.
inline constexpr std::size_t maxLineLength = 200;
inline constexpr std::size_t maxGameFileBytes = 55000;
// San Andreas reads a line at a time, 511 bytes at most with its line
// break: beyond them, the rest of the line is read as another line.
inline constexpr std::size_t sanAndreasMaxLineLength = 509;

// The kinds of line that define a vehicle. Entries in the boat, bike and
// flying sections start with their marker, a field of its own, then the
// vehicle's identifier.
struct VehicleLineKind {
    LineKind kind;
    char marker;           // in the first column; '\0' for a standard line
    std::string_view key;  // as JSON names it
    std::string_view name; // as messages name it
};

inline constexpr std::array<VehicleLineKind, 4> vehicleLineKinds{{
    {LineKind::Standard, '\0', "standard", "standard"},
    {LineKind::Boat, '%', "boat", "bateau"},
    {LineKind::Bike, '!', "bike", "moto"},
    {LineKind::Flying, '$', "flying", "vol"},
}};

constexpr bool isVehicleLine(LineKind kind)
{
    return kind >= LineKind::Standard;
}

// Index into vehicleLineKinds and into the tables that follow its order.
constexpr std::size_t vehicleKindIndex(LineKind kind)
{
    if (!isVehicleLine(kind))
        throw std::out_of_range("not a vehicle line");
    return static_cast<std::size_t>(kind) - static_cast<std::size_t>(LineKind::Standard);
}

constexpr const VehicleLineKind &vehicleLineKind(LineKind kind)
{
    return vehicleLineKinds[vehicleKindIndex(kind)];
}

// Fields of each kind of vehicle line, marker included, in the order of
// vehicleLineKinds; 0 where the game has no such lines.
using FieldCounts = std::array<int, vehicleLineKinds.size()>;

// Standard: identifier, 29 fields, the flags "ae", front and rear lights.
inline constexpr FieldCounts viceCityFieldCounts{33, 16, 17, 20};
// GTA3 has no "ad" anti-dive field, so its flags come one field earlier,
// and no boat, bike or flying entries: those are built into the game.
inline constexpr FieldCounts gta3FieldCounts{32, 0, 0, 0};
// San Andreas: identifier, 30 fields, the model flags "af" and the handling
// flags "ag", the front and rear lights and the animation group.
inline constexpr FieldCounts sanAndreasFieldCounts{36, 16, 17, 23};
inline constexpr int sanAndreasAnimationGroupFields = 36;

} // namespace bitloom::handling
