#include "MenuBar.h"

#include "text/Utf16.h"

namespace bitloom::win32 {

namespace {

// Above the controls' ids, so that a command never looks like a control's.
constexpr int firstCommandId = 1000;

WORD virtualKey(core::Shortcut shortcut)
{
    // Windows' key codes of the letters are their capitals.
    return shortcut.letter ? static_cast<WORD>(shortcut.letter)
                           : static_cast<WORD>(VK_F1 + shortcut.functionKey - 1);
}

// "&Copier la valeur\tCtrl+C": the caption, and the shortcut after a tab.
std::string itemText(std::string_view caption, core::Shortcut shortcut)
{
    std::string text(caption);
    if (!shortcut.isNone())
        text.append("\t").append(core::shortcutText(shortcut));
    return text;
}

} // namespace

MenuBar::MenuBar()
    : m_menu(CreateMenu())
{
    std::vector<ACCEL> shortcuts;
    for (const core::Menu &menu : core::menuBar) {
        HMENU popup = CreatePopupMenu();
        for (const core::MenuItem &item : menu.items) {
            if (item.isSeparator()) {
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            const int id = firstCommandId + static_cast<int>(m_items.size());
            m_items.push_back(&item);
            if (!item.shortcut.isNone()) {
                // Virtual-key shortcuts match their modifiers exactly: Ctrl+C
                // is not Ctrl+Maj+C.
                const BYTE modifiers = FVIRTKEY | (item.shortcut.control ? FCONTROL : 0)
                                       | (item.shortcut.shift ? FSHIFT : 0);
                shortcuts.push_back({modifiers, virtualKey(item.shortcut), static_cast<WORD>(id)});
            }
            AppendMenuW(popup, MF_STRING | (item.checkedAtStart ? MF_CHECKED : MF_UNCHECKED),
                        static_cast<UINT_PTR>(id),
                        text::wideFromUtf8(itemText(item.caption, item.shortcut)).c_str());
        }
        AppendMenuW(m_menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                    text::wideFromUtf8(menu.caption).c_str());
    }
    m_shortcuts.reset(
        CreateAcceleratorTableW(shortcuts.data(), static_cast<int>(shortcuts.size())));
}

const core::MenuItem *MenuBar::item(int commandId) const
{
    const int index = commandId - firstCommandId;
    if (index < 0 || index >= static_cast<int>(m_items.size()))
        return nullptr;
    return m_items[static_cast<std::size_t>(index)];
}

int MenuBar::commandId(MenuCommand item) const
{
    for (std::size_t at = 0; at < m_items.size(); ++at) {
        if (m_items[at]->command == item.command && m_items[at]->index == item.index)
            return firstCommandId + static_cast<int>(at);
    }
    return 0;
}

void MenuBar::setChecked(MenuCommand item, bool checked)
{
    CheckMenuItem(m_menu, static_cast<UINT>(commandId(item)),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MenuBar::setEnabled(MenuCommand item, bool enabled)
{
    EnableMenuItem(m_menu, static_cast<UINT>(commandId(item)),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void MenuBar::setCaption(MenuCommand item, std::string_view caption)
{
    const core::MenuItem *found = this->item(commandId(item));
    std::wstring text = text::wideFromUtf8(itemText(caption, found->shortcut));
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = text.data();
    SetMenuItemInfoW(m_menu, static_cast<UINT>(commandId(item)), FALSE, &info);
}

std::string MenuBar::caption(MenuCommand item) const
{
    wchar_t text[256]{};
    GetMenuStringW(m_menu, static_cast<UINT>(commandId(item)), text, 256, MF_BYCOMMAND);
    return text::utf8FromWide(text);
}

bool MenuBar::isEnabled(MenuCommand item) const
{
    return (GetMenuState(m_menu, static_cast<UINT>(commandId(item)), MF_BYCOMMAND)
            & (MF_GRAYED | MF_DISABLED))
           == 0;
}

bool MenuBar::isChecked(MenuCommand item) const
{
    return (GetMenuState(m_menu, static_cast<UINT>(commandId(item)), MF_BYCOMMAND) & MF_CHECKED)
           != 0;
}

} // namespace bitloom::win32
