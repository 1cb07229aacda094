// Finding a flag by the name the catalogue gives it.
#pragma once

#include <optional>
#include <string_view>

namespace bitloom::cli {

// The bit of the flag with this name, ignoring ASCII case; none if unknown.
std::optional<int> findFlag(std::string_view name);

} // namespace bitloom::cli
