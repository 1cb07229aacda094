// The words of encode and set that make a value: a start value, then NAME or
// +NAME to add a flag and -NAME to remove one.
#pragma once

#include "flags/FlagsValueReader.h"
#include "handling/GameProfile.h"
#include "handling/Problem.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace bitloom::cli {

// Whether the game reads the value as written, bits beyond its flags aside.
inline bool isRead(const flags::ValueReading &reading)
{
    return reading.problem == flags::ValueProblem::None
           || reading.problem == flags::ValueProblem::AboveFlags;
}

// A start value begins with a digit and holds no '_', which no flag name does.
bool isStartValue(std::string_view word);

// The game's flags in a start value. Bits beyond them are dropped, with a
// warning; a value that cannot be read is an error, and gives no value.
struct StartValue {
    std::optional<std::uint32_t> value;
    std::optional<handling::Problem> problem;
};
StartValue readStartValue(std::string_view word, const handling::GameProfile &game);

// A flag to add or remove; an error for a name that is none of the game's flags.
struct FlagStep {
    std::uint32_t mask = 0;
    bool adds = true;
    std::optional<handling::Problem> problem;

    std::uint32_t appliedTo(std::uint32_t value) const
    {
        return adds ? value | mask : value & ~mask;
    }
};
FlagStep readFlagStep(std::string_view word, const handling::GameProfile &game);

} // namespace bitloom::cli
