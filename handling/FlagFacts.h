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
    int digit{};                // 1 for the rightmost hex digit
    std::string digitCaption{}; // as the window's panes name the digit
    std::string mask{};         // as the window shows values
    std::string_view name{};    // empty for a bit no source names
    std::string_view description{};
    std::vector<std::string_view> aliases{}; // the spellings of the game's own file
};

FlagFacts flagFacts(const FlagsField &field, int bit);

// Those of the flags of the field set in value, in bit order.
std::vector<FlagFacts> flagsOf(const FlagsField &field, std::uint32_t value);
// Every flag of the field.
std::vector<FlagFacts> flagTable(const FlagsField &field);
// The names of the flags set in value, in bit order; a bit without a name
// has none.
std::vector<std::string_view> flagNames(const FlagsField &field, std::uint32_t value);

} // namespace bitloom::handling
