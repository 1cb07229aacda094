// What the system said went wrong, in French like every message of the
// program, for an errno number.
#pragma once

#include <string>

namespace bitloom::files {

std::string systemError(int number);

} // namespace bitloom::files
