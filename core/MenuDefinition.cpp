#include "MenuDefinition.h"

#include <stdexcept>

namespace bitloom::core {

const MenuItem &menuItem(std::string_view name, int index)
{
    for (const Menu &menu : menuBar) {
        for (const MenuItem &item : menu.items) {
            if (item.name == name && item.index == index)
                return item;
        }
    }
    throw std::out_of_range("no such menu item");
}

std::string shortcutText(Shortcut shortcut)
{
    if (shortcut.isNone())
        return {};
    // Appended piece by piece: GCC 12 warns wrongly (-Wrestrict) on adding a
    // literal to a string at -O3.
    std::string text = shortcut.control ? "Ctrl+" : "";
    if (shortcut.shift)
        text += "Maj+";
    if (shortcut.letter)
        text += shortcut.letter;
    else
        text.append(1, 'F').append(std::to_string(shortcut.functionKey));
    return text;
}

} // namespace bitloom::core
