#pragma once

#include <string>

namespace bitloom::core {

// The tooltip of a flag's check box: where the flag sits in the value, for a
// user who reads values by hand. "0x80 : 2e chiffre, valeur 8": the mask in
// the program's upper-case hex, the digit counted from the right, and what the
// flag adds to that digit. Throws std::out_of_range for a bit outside 0..27.
std::string flagToolTip(int bit);

} // namespace bitloom::core
