// Suggestions for a misspelt name: the known names closest to it.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace bitloom::flags {

// The candidates at the smallest edit distance from name (ASCII case
// ignored; a swap of two neighbours is one edit), when that distance is
// small for the name's length; at most three, in the candidates' order.
std::vector<std::string_view> nearestNames(std::string_view name,
                                           std::span<const std::string_view> candidates);

} // namespace bitloom::flags
