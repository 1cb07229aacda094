// Reading a flags value as written in a handling file or typed by a person,
// and what the game itself would make of the same text.
#pragma once

#include "FlagCatalogue.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace bitloom::flags {

enum class ValueProblem : std::uint8_t {
    None,
    Empty,       // no character at all
    NoDigits,    // a "0x" prefix with nothing after it
    NotHex,      // a character other than hex digits after an optional 0x
    AboveFlags,  // fits in 32 bits but sets bits outside the allowed ones
    Above32Bits, // more than 32 bits
};

struct ValueReading {
    ValueProblem problem = ValueProblem::None;
    // The number written; meaningful with no problem and with AboveFlags,
    // where it keeps the bits outside the allowed ones.
    std::uint32_t value = 0;
    // For NotHex: offset of the first character that is not a hex digit.
    std::size_t badOffset = 0;
    // What the game reads: it scans with the C library's "%x", which takes an
    // optional sign and 0x prefix, then hex digits up to the first other
    // character. Empty when that reads nothing, or a number above 32 bits.
    std::optional<std::uint32_t> gameValue;
};

// A value is hex digits in either case, leading zeros allowed, with an
// optional "0x" or "0X" prefix, and sets no bit outside allowedBits.
ValueReading readFlagsValue(std::string_view text, std::uint32_t allowedBits = allFlagsMask);

} // namespace bitloom::flags
