// The main window's menu bar and shortcuts, built from the shared menu table.
// Each item gets a command id; its check mark is set through the bar.
#pragma once

#include "core/MenuDefinition.h"
#include "win32/runtime/Handles.h"

#include <windows.h>

#include <string_view>
#include <vector>

namespace bitloom::win32 {

class MenuBar {
public:
    MenuBar();

    // The window given this menu destroys it with itself.
    HMENU handle() const { return m_menu; }
    HACCEL shortcuts() const { return m_shortcuts.get(); }

    // The item of a menu or shortcut command id, or null.
    const core::MenuItem *item(int commandId) const;
    int commandId(const core::MenuItem &item) const;

    // The first item that runs the command, or null.
    const core::MenuItem *itemOf(core::Command command) const;

    void setChecked(const core::MenuItem &item, bool checked);
    bool isChecked(const core::MenuItem &item) const;
    // A disabled item is greyed, and its shortcut does nothing.
    void setEnabled(const core::MenuItem &item, bool enabled);
    bool isEnabled(const core::MenuItem &item) const;

private:
    HMENU m_menu = nullptr;
    UniqueAcceleratorTable m_shortcuts;
    std::vector<const core::MenuItem *> m_items;
};

} // namespace bitloom::win32
