// What is wrong with a flags value, said of a value on the command line and
// of a handling file's flags column alike.
#pragma once

#include "GameProfile.h"
#include "flags/FlagsValueReader.h"

#include <string>
#include <string_view>

namespace bitloom::handling {

// Empty for a value without a problem.
std::string valueProblemText(std::string_view text, const flags::ValueReading &reading,
                             const GameProfile &game);

} // namespace bitloom::handling
