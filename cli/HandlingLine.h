// One line of a handling file, split as the game splits it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace bitloom::cli {

enum class LineKind : std::uint8_t {
    Blank,        // nothing but spaces and tabs
    Comment,      // first field begins with ';'
    End,          // first field begins with ";the end": the data stop here
    OtherSection, // first field begins with '%', '!' or '$'
    Vehicle,
};

struct HandlingLine {
    LineKind kind = LineKind::Blank;
    std::string_view identifier; // the first field
    std::string_view flagsText;  // the flags field; empty when the line is too short
    std::size_t fieldCount = 0;  // counted for vehicle lines only
};

// Fields are separated by spaces and tabs; a trailing '\r' (Windows line
// ending) is not part of the line. flagsField is 1-based.
HandlingLine readHandlingLine(std::string_view line, std::size_t flagsField);

} // namespace bitloom::cli
