// A handling file as the game reads it: its lines up to ";the end", each
// split into fields, those after it, which it never reads, and what the
// checks need to know of the whole file.
#pragma once

#include "GameProfile.h"
#include "HandlingLine.h"
#include "TextDecoder.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace bitloom::handling {

struct ReadLine {
    std::size_t number;    // 1-based
    std::string_view text; // without the line break, nor a '\r' before it
    HandlingLine fields;
};

// Views into the text, which must outlive the file.
struct HandlingFile {
    std::string_view text{};
    TextEncoding encoding = TextEncoding::Plain;
    // Every line the game reads, blank ones and comments too, in order, up to
    // and including ";the end" in the games that stop there.
    std::vector<ReadLine> lines{};
    // The lines after ";the end", up to a NUL byte: mods append vehicles
    // there, which the game never sees.
    std::vector<ReadLine> afterEnd{};
    bool ended = false;               // the last line read is ";the end"
    bool endHasLineBreak = false;     // and a line break follows it
    std::optional<std::size_t> nul{}; // the line of the first NUL byte, where reading stopped

    // The line of that number, read or after the end; null when none.
    const ReadLine *line(std::size_t number) const;
};

// The lines after the end that define a vehicle the game knows (in any
// case): those a mod appended there. Other text there is nobody's concern.
std::vector<const ReadLine *> vehiclesAfterEnd(const HandlingFile &file, const GameProfile &game);

HandlingFile readHandlingFile(std::string_view text, TextEncoding encoding,
                              const GameProfile &game);

} // namespace bitloom::handling
