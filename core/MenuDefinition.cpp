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
    std::string text = shortcut.control ? "Ctrl+" : "";
    switch (shortcut.key) {
    case Key::None:
        return {};
    case Key::C:
        return text + 'C';
    case Key::Q:
        return text + 'Q';
    case Key::S:
        return text + 'S';
    case Key::V:
        return text + 'V';
    case Key::W:
        return text + 'W';
    case Key::Y:
        return text + 'Y';
    case Key::Z:
        return text + 'Z';
    case Key::F1:
        return text + "F1";
    }
    return {};
}

} // namespace bitloom::core
