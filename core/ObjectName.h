#pragma once

#include <string>
#include <string_view>

namespace bitloom::core {

// The name of one element of a control array: "chkflag(5)". Tests and
// accessibility tools find controls by these names.
std::string objectName(std::string_view name, int index);

} // namespace bitloom::core
