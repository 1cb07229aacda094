// Going through a handling file's text: its vehicle lines, what the game
// reads in them, and what is wrong.
#pragma once

#include "GameProfile.h"
#include "HandlingFormat.h"
#include "Problem.h"
#include "TextDecoder.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace bitloom::handling {

// A vehicle line of any kind, views into the scanned text, which must
// outlive it.
struct ScannedVehicle {
    std::size_t line; // 1-based
    LineKind kind;
    std::string_view identifier;
    std::string_view flagsText; // of a standard line; empty when the line is too short
    // What the game reads in the flags field, when it reads a value there.
    std::optional<std::uint32_t> gameValue;
};

struct ScanResult {
    std::vector<ScannedVehicle> vehicles; // every one, with or without problems
    std::vector<Problem> problems;        // in line order
};

// The most serious level of the problems of one line, if it has any.
// problems must be in line order.
std::optional<Level> worstLevel(std::span<const Problem> problems, std::size_t line);

// Reading stops at ";the end", or at the first NUL byte (a binary file).
// encoding is that of the file the text was decoded from.
ScanResult scanHandling(std::string_view text, TextEncoding encoding, const GameProfile &game);

} // namespace bitloom::handling
