// The words of encode and set that make a value: a start value, then NAME or
// +NAME to add a flag and -NAME to remove one. In a game of two flags fields
// a name tells its field, and a start value says it: "model:2800".
#pragma once

#include "GameProfile.h"
#include "Problem.h"
#include "flags/FlagsValueReader.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bitloom::handling {

// Whether the game reads the value as written, bits beyond its flags aside.
inline bool isRead(const flags::ValueReading &reading)
{
    return reading.problem == flags::ValueProblem::None
           || reading.problem == flags::ValueProblem::AboveFlags;
}

// A start value begins with a digit, or with a flags field's key and ':', and
// holds no '_', which no flag name does.
bool isStartValue(std::string_view word, const GameProfile &game);
// A word that would be a value had it begun with a digit ("c0"): no flag
// name, no vehicle of the game; an error that says how to write it.
std::optional<Problem> misspeltValue(std::string_view word, const GameProfile &game);

// Which flags field a value is for, and its text: "model:2800" in a game of
// several fields, a bare value in a game of one. A bare value in a game of
// several is an error that says how to write it.
struct ValueOfField {
    std::size_t field = 0; // into the game's flagsFields
    std::string_view text;
    std::optional<Problem> problem;
};
ValueOfField valueOfField(std::string_view word, const GameProfile &game);

// The game's flags in a start value, and the field it is for. Bits beyond
// them are dropped, with a warning; a value that cannot be read is an error,
// and gives no value, as is a bare value in a game of several fields.
struct StartValue {
    std::size_t field = 0; // into the game's flagsFields
    std::optional<std::uint32_t> value;
    std::optional<Problem> problem;
};
StartValue readStartValue(std::string_view word, const GameProfile &game);

// A flag to add or remove, in the field its name belongs to; an error for a
// name that is none of the game's flags.
struct FlagStep {
    std::size_t field = 0;
    std::uint32_t mask = 0;
    bool adds = true;
    std::optional<Problem> problem;

    std::uint32_t appliedTo(std::uint32_t value) const
    {
        return adds ? value | mask : value & ~mask;
    }
};
FlagStep readFlagStep(std::string_view word, const GameProfile &game);

// The words that make after from before in a field: +NAME for each named
// flag added and -NAME for each removed, in bit order.
std::vector<std::string> flagStepWords(const FlagsField &field, std::uint32_t before,
                                       std::uint32_t after);

} // namespace bitloom::handling
