// What the reports show of a flag and of a value's flags, worked out once.
#pragma once

#include "GameProfile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bitloom::handling {

struct FlagFacts {
    int bit{};
    int digit{};                     // 1 for the rightmost hex digit
    std::string_view digitCaption{}; // as the window's panes name the digit
    std::string mask{};              // as the window shows values
    std::string_view name{};
    std::string_view description{};
    std::vector<std::string_view> aliases{}; // the spellings of the game's own file
};

FlagFacts flagFacts(int bit);

// Those of the flags set in value, in bit order.
std::vector<FlagFacts> flagsOf(std::uint32_t value);
// Every flag of the game.
std::vector<FlagFacts> flagTable(const GameProfile &game);
// The names of the flags set in value, in bit order.
std::vector<std::string_view> flagNames(std::uint32_t value);

} // namespace bitloom::handling
