// One line of a handling file, split as the game splits it.
#pragma once

#include "GameProfile.h"
#include "HandlingFormat.h"

#include <cstddef>
#include <string_view>

namespace bitloom::handling {

struct HandlingLine {
    LineKind kind = LineKind::Blank;
    // Of vehicle lines only: the first field of a standard line, the one
    // after the marker in other entries.
    std::string_view identifier;
    std::string_view flagsText; // of standard lines: empty when the line is too short
    std::size_t fieldCount = 0; // of vehicle lines, the marker counted
};

// The kind comes from the first column alone, as the game tells it: a ';' or
// a section marker after a blank does not count, and a section marker the
// game does not know starts a standard line. Fields are separated by spaces
// and tabs; a trailing '\r' (Windows line ending) is not part of the line.
HandlingLine readHandlingLine(std::string_view line, const GameProfile &game);

} // namespace bitloom::handling
