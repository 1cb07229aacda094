// A handling file as the game reads it: its lines up to ";the end", each
// split into fields, and what the checks need to know of the whole file.
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
    // and including ";the end".
    std::vector<ReadLine> lines{};
    bool ended = false;               // the last line read is ";the end"
    bool endHasLineBreak = false;     // and a line break follows it
    std::optional<std::size_t> nul{}; // the line of the first NUL byte, where reading stopped
};

HandlingFile readHandlingFile(std::string_view text, TextEncoding encoding,
                              const GameProfile &game);

} // namespace bitloom::handling
