// What the random user does, drawn from a seed the same way whichever window
// it drives: clicks, picks, menu commands, shortcuts and keys.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bitloom::tests {

enum class ActionKind : std::uint8_t {
    ClickBox,
    SpaceOnFocus,
    PickList,
    MenuPane,
    ViewSingle,
    ViewWide,
    ShortcutSingle,
    ShortcutWide,
    ResetButton,
    ResetMenu,
    AltR,
    AltD,
    Escape,
    Tab,
    About,
    QuitNo,
    MinimizeRestore,
};

// How the About window is closed.
enum class AboutClose : std::uint8_t { Button, Enter, Escape, CloseBox };

struct RandomAction {
    ActionKind kind;
    // The bit (ClickBox), the list item (PickList) or the pane (MenuPane);
    // for About and QuitNo, how the window is opened and closed.
    int arg = 0;

    // About and QuitNo: by F1 or Ctrl+Q rather than from the menu.
    bool byKey() const { return kind == ActionKind::About ? arg < 4 : arg != 0; }
    AboutClose aboutClose() const { return static_cast<AboutClose>(arg % 4); }
};

// The same seed gives the same actions on every system.
std::vector<RandomAction> drawActions(std::uint32_t seed, int count);

// "click chkflag(5)", "Ctrl+W": how a failure report lists the action.
std::string describe(const RandomAction &action);

} // namespace bitloom::tests
