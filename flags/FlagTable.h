// The named flags of one flags field of a game: the window's 28, or one of
// San Andreas's two words. A flag's bit is its identity; a bit that no
// source names has an empty name.
#pragma once

#include "FlagAliases.h"
#include "FlagCatalogue.h"
#include "SanAndreasFlags.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace bitloom::flags {

struct FlagTable {
    std::span<const Flag> flags;        // in bit order
    std::span<const FlagAlias> aliases; // other spellings, each of a name of flags

    constexpr int size() const { return static_cast<int>(flags.size()); }
    constexpr const Flag &at(int bit) const { return flags[static_cast<std::size_t>(bit)]; }
    // The bit of the flag with this name or alias, ignoring ASCII case.
    std::optional<int> find(std::string_view name) const;
    // Names close to an unknown one, nearest first; an alias close to it
    // counts for its flag's name.
    std::vector<std::string_view> suggestions(std::string_view name) const;
    // The names of the flags set in value, in bit order; unnamed bits left out.
    std::vector<std::string_view> namesIn(std::uint32_t value) const;
};

inline constexpr FlagTable windowFlags{catalogue, flagAliases};
inline constexpr FlagTable sanAndreasModelTable{sanAndreasModelFlags, {}};
inline constexpr FlagTable sanAndreasHandlingTable{sanAndreasHandlingFlags, {}};

} // namespace bitloom::flags
