#include "FlagToolTip.h"

#include "flags/FlagsValue.h"

namespace bitloom::core {

std::string flagToolTip(int bit)
{
    const int digit = flags::digitOf(bit);
    return "0x" + flags::hexText(flags::maskOf(bit)) + " : " + std::to_string(digit)
           + (digit == 1 ? "er" : "e") + " chiffre, valeur "
           + std::to_string(flags::valueInDigit(bit));
}

} // namespace bitloom::core
