#pragma once

#include <string>
#include <string_view>

namespace bitloom::core {

// The name of one element of a control array, "chkflag(5)", or with no
// index (-1), of a control of its own: "txtOutput". Tests and accessibility
// tools find controls by these names.
std::string objectName(std::string_view name, int index);

} // namespace bitloom::core
