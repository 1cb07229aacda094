// The main window's menu bar and shortcuts, built from the shared menu table.
// Each item gets a command id; the window finds an item by the command it
// runs, and sets its check mark and whether it is enabled through the bar.
#pragma once

#include "core/MenuDefinition.h"
#include "win32/runtime/Handles.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace bitloom::win32 {

// An item by the command it runs and, for ShowPane, its pane.
struct MenuCommand {
    core::Command command;
    int index = -1;
};

class MenuBar {
public:
    MenuBar();

    // The window given this menu destroys it with itself.
    HMENU handle() const { return m_menu; }
    HACCEL shortcuts() const { return m_shortcuts.get(); }

    // The item of a menu or shortcut command id, or null.
    const core::MenuItem *item(int commandId) const;
    // The command id of the item, or 0 when the bar has none.
    int commandId(MenuCommand item) const;

    void setChecked(MenuCommand item, bool checked);
    bool isChecked(MenuCommand item) const;
    // A disabled item is greyed, and its shortcut does nothing.
    void setEnabled(MenuCommand item, bool enabled);
    bool isEnabled(MenuCommand item) const;
    // Its caption, its shortcut kept after it.
    void setCaption(MenuCommand item, std::string_view caption);
    std::string caption(MenuCommand item) const;

private:
    HMENU m_menu = nullptr;
    UniqueAcceleratorTable m_shortcuts;
    std::vector<const core::MenuItem *> m_items;
};

} // namespace bitloom::win32
