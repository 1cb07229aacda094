// decode and encode: values and flag names given on the command line, with
// every fact their reports show.
#pragma once

#include "GameProfile.h"
#include "Problem.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bitloom::handling {

struct DecodedValue {
    std::string input{};       // as given; empty for a value encode made
    std::size_t field = 0;     // into the game's flagsFields
    std::uint32_t value{};     // the game's flags in it
    std::uint32_t extraBits{}; // bits beyond them, which the game ignores
};

struct ValueReport {
    const GameProfile *game = &viceCity;
    // decode: each value read. encode: the value of each field its words
    // touch, in the game's order; none when a name or the value was wrong,
    // since a value made of part of the words would mislead.
    std::vector<DecodedValue> values{};
    // A problem for each word that was not read or had bits beyond the flags.
    std::vector<Problem> problems{};
};

// A value, or in a game of several flags fields "model:2800", as set takes
// them.
ValueReport decodeValues(std::span<const std::string_view> inputs, const GameProfile &game);
// A start value, or 0, then NAME or +NAME to add a flag and -NAME to remove one.
ValueReport encodeFlags(std::span<const std::string_view> words, const GameProfile &game);

} // namespace bitloom::handling
