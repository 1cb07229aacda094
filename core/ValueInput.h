// A value the user gives the window, pasted or typed: a flags value as the
// game reads column "ae", or a whole vehicle line of the handling file, whose
// column "ae" is read. What to do with it: apply it, ask first, or refuse it
// with a French message saying why.
#pragma once

#include "PastedLine.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace bitloom::core {

enum class ValueDecision : std::uint8_t {
    Apply,   // a clean value
    Confirm, // the game would read it differently from how it looks: ask
    Refuse,  // no value, or bits above the 28 flags
};

struct ValueInput {
    ValueDecision decision = ValueDecision::Refuse;
    // The value to apply, for Apply and, once confirmed, for Confirm.
    std::uint32_t value = 0;
    // For Confirm, the question; for Refuse, the reason.
    std::string message;
    // The vehicle line the value was read from, for Apply and Confirm; none
    // for a bare value.
    PastedLine line{};
};

// Longer texts are refused before any reading: a value has at most a few
// characters and a handling line a few hundred.
inline constexpr std::size_t longestValueInput = 4096;

ValueInput readValueInput(std::string_view text);

} // namespace bitloom::core
