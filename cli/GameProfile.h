// Where each game keeps the flags in a handling line, and how many it knows.
#pragma once

#include <cstdint>
#include <string_view>

namespace bitloom::cli {

struct GameProfile {
    std::string_view option; // the value of --game
    std::string_view title;  // as messages name the game
    std::string_view column; // the flags column's letters in handling.cfg
    int flagsField;          // 1-based field number of that column
    int flagCount;           // flags of bits 0..flagCount-1

    constexpr std::uint32_t allowedBits() const { return (std::uint32_t{1} << flagCount) - 1; }
};

inline constexpr GameProfile viceCity{"vc", "GTA: Vice-City", "ae", 31, 28};
// GTA3 has no flags column "ae": its flags are those of digits 1 to 4.
inline constexpr GameProfile gta3{"gta3", "GTA3", "ad", 30, 16};

// The profile for a --game value, or nullptr.
const GameProfile *findGame(std::string_view option);

} // namespace bitloom::cli
