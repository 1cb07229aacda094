// The flags value: which flags are set, as one 28-bit number, and the text the
// user copies into the handling file.
#pragma once

#include "CheckState.h"
#include "FlagCatalogue.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace bitloom::flags {

using FlagStates = std::array<CheckState, flagCount>;

// The sum of the masks of the flags whose state is Checked.
std::uint32_t flagsValue(const FlagStates &states);

// Upper-case hex, no prefix, no leading zero: "0" to "FFFFFFF".
// Throws std::out_of_range for a value with bits above the 28 flags.
std::string valueText(std::uint32_t value);

// The same form for any 32-bit number, such as what the game reads from a
// text that is not a valid flags value.
std::string hexText(std::uint32_t value);

// The bits of the flags set in value, lowest first; bits above the 28 flags
// are not flags and are left out.
std::vector<int> setBits(std::uint32_t value);

} // namespace bitloom::flags
