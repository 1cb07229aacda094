#pragma once

#include <cstdint>

namespace bitloom::flags {

// The state of a flag's check box. Only Checked counts as set.
enum class CheckState : std::uint8_t { Unchecked = 0, Checked = 1, Grayed = 2 };

} // namespace bitloom::flags
