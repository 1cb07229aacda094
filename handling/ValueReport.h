// decode and encode: values and flag names given on the command line, with
// every fact their reports show.
#pragma once

#include "GameProfile.h"
#include "Problem.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bitloom::handling {

struct DecodedValue {
    std::string input{};       // as given
    std::uint32_t value{};     // the game's flags in it
    std::uint32_t extraBits{}; // bits beyond them, which the game ignores
};

struct ValueReport {
    const GameProfile *game = &viceCity;
    std::vector<DecodedValue> values{}; // decode: each value read
    // encode: none when a name or the value was wrong, since a value made of
    // part of the words would mislead.
    std::optional<std::uint32_t> value{};
    // A problem for each word that was not read or had bits beyond the flags.
    std::vector<Problem> problems{};
};

ValueReport decodeValues(std::span<const std::string_view> inputs, const GameProfile &game);
// A start value, or 0, then NAME or +NAME to add a flag and -NAME to remove one.
ValueReport encodeFlags(std::span<const std::string_view> words, const GameProfile &game);

} // namespace bitloom::handling
