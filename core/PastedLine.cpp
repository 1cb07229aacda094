#include "PastedLine.h"

#include "handling/FlagsEdit.h"
#include "handling/GameProfile.h"

namespace bitloom::core {

std::string copyLineCaption(const PastedLine &line)
{
    std::string caption = "Copier la &ligne";
    if (line.text.empty())
        return caption;
    caption += " de ";
    // An '&' of the identifier shows as itself, not as an access key.
    for (char c : line.identifier)
        caption.append(c == '&' ? 2 : 1, c);
    if (!line.problem.empty())
        caption += " (le jeu ne la lit pas ainsi)";
    return caption;
}

std::string lineWithValue(const PastedLine &line, std::uint32_t value)
{
    return handling::lineWithFlags(line.text, value, handling::viceCity);
}

} // namespace bitloom::core
