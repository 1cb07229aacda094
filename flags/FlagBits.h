// Flags named in the code by their catalogue names, checked when compiling.
#pragma once

#include "FlagCatalogue.h"

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace bitloom::flags {

// The bit of the catalogue flag with exactly this name; throws when there is
// none, which in a constant expression stops the build.
constexpr int bitNamed(std::string_view name)
{
    for (int bit = 0; bit < flagCount; ++bit) {
        if (flagAt(bit).name == name)
            return bit;
    }
    throw std::out_of_range("no flag of that name");
}

constexpr std::uint32_t maskNamed(std::string_view name)
{
    return maskOf(bitNamed(name));
}

} // namespace bitloom::flags
