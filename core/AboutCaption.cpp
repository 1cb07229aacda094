#include "AboutCaption.h"

namespace bitloom::core {

std::string aboutCaption(const ProgramVersion &version)
{
    return "Bitloom " + std::to_string(version.majorVersion) + '.'
           + std::to_string(version.minorVersion) + " Build:  " + std::to_string(version.revision);
}

} // namespace bitloom::core
