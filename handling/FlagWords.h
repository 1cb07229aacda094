// The words of encode and set that make a value: a start value, then NAME or
// +NAME to add a flag and -NAME to remove one.
#pragma once

#include "GameProfile.h"
#include "Problem.h"
#include "flags/FlagsValueReader.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace bitloom::handling {

// Whether the game reads the value as written, bits beyond its flags aside.
inline bool isRead(const flags::ValueReading &reading)
{
    return reading.problem == flags::ValueProblem::None
           || reading.problem == flags::ValueProblem::AboveFlags;
}

// A start value begins with a digit and holds no '_', which no flag name does.
bool isStartValue(std::string_view word);
// A word that would be a value had it begun with a digit ("c0"): no flag
// name, no vehicle of the game; an error that says how to write it.
std::optional<Problem> misspeltValue(std::string_view word, const GameProfile &game);

// The game's flags in a start value. Bits beyond them are dropped, with a
// warning; a value that cannot be read is an error, and gives no value.
struct StartValue {
    std::optional<std::uint32_t> value;
    std::optional<Problem> problem;
};
StartValue readStartValue(std::string_view word, const GameProfile &game);

// A flag to add or remove; an error for a name that is none of the game's flags.
struct FlagStep {
    std::uint32_t mask = 0;
    bool adds = true;
    std::optional<Problem> problem;

    std::uint32_t appliedTo(std::uint32_t value) const
    {
        return adds ? value | mask : value & ~mask;
    }
};
FlagStep readFlagStep(std::string_view word, const GameProfile &game);

} // namespace bitloom::handling
