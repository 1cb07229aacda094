// Finding a flag by name: the catalogue's, or the spelling of the game's own
// handling file.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace bitloom::flags {

// The bit of the flag with this name or alias, ignoring ASCII case; none if
// unknown.
std::optional<int> findFlag(std::string_view name);

// Catalogue names close to an unknown name, nearest first; an alias close to
// it counts for its flag's name.
std::vector<std::string_view> flagSuggestions(std::string_view name);

} // namespace bitloom::flags
