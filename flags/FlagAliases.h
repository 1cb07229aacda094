// Other spellings of flag names: those of the comment at the head of the
// game's own handling file, which people copy from there.
#pragma once

#include "FlagBits.h"

#include <array>
#include <string_view>

namespace bitloom::flags {

struct FlagAlias {
    std::string_view alias;
    std::string_view name; // the catalogue's
};

inline constexpr std::array<FlagAlias, 4> flagAliases{{
    {"NEUTRALHANDLING", "NEUTRAL_HANDLING"},
    {"FAT_REARW", "FAT_REAR"},
    {"NARROW_FRONTW", "NARROW_FRONT"},
    {"GOOD_INSAND", "GOOD_IN_SAND"},
}};

constexpr bool aliasesNameFlags()
{
    for (const FlagAlias &alias : flagAliases)
        static_cast<void>(bitNamed(alias.name));
    return true;
}
static_assert(aliasesNameFlags());

} // namespace bitloom::flags
