// One line of a handling file, split as the game splits it.
#pragma once

#include "GameProfile.h"
#include "HandlingFormat.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace bitloom::handling {

// San Andreas has two flags fields; the other games one.
inline constexpr std::size_t maxFlagsFields = 2;

struct HandlingLine {
    LineKind kind = LineKind::Blank;
    // Of vehicle lines only: the first field of a standard line, the one
    // after the marker in other entries.
    std::string_view identifier;
    // Of standard lines, one for each of the game's flags fields: empty when
    // the line is too short to reach it.
    std::array<std::string_view, maxFlagsFields> flagsTexts{};
    std::size_t fieldCount = 0; // of vehicle and animation group lines, the marker counted

    std::string_view flagsText() const { return flagsTexts.front(); }
};

// The kind comes from the first column alone, as the game tells it: a ';' or
// a section marker after a blank does not count, and a section marker the
// game does not know starts a standard line. Fields are separated by spaces
// and tabs, and by the game's other separators; a trailing '\r' (Windows
// line ending) is not part of the line.
HandlingLine readHandlingLine(std::string_view line, const GameProfile &game);

} // namespace bitloom::handling
