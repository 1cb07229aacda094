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
    Undo,
    Redo,
    CopyValue,
    PasteValue,
    BareLetter,
    Arrow,
    SwitchAway,
};

// The letters typed without Alt: among them the access keys of the reset
// button and the output box's label, which only Alt makes work.
inline constexpr char bareLetters[] = "RDFQA";
enum class ArrowKey : std::uint8_t { Up, Down, Left, Right };

// How the About window is closed.
enum class AboutClose : std::uint8_t { Button, Enter, Escape, CloseBox };

struct RandomAction {
    ActionKind kind;
    // The bit (ClickBox), the list item (PickList) or the pane (MenuPane);
    // for About and QuitNo, how the window is opened and closed.
    int arg = 0;

    // About and QuitNo: by F1 or Ctrl+Q rather than from the menu; Undo,
    // Redo, CopyValue and PasteValue: by their shortcut.
    bool byKey() const
    {
        switch (kind) {
        case ActionKind::About:
            return arg < 4;
        case ActionKind::PasteValue:
            return arg % 2 == 0;
        default:
            return arg != 0;
        }
    }
    AboutClose aboutClose() const { return static_cast<AboutClose>(arg % 4); }
    char letter() const { return bareLetters[arg % 5]; }
    ArrowKey arrow() const { return static_cast<ArrowKey>(arg % 4); }
};

// The Edition menu's item an Undo, Redo, CopyValue or PasteValue action
// chooses ("mnuEditUndo"), and the letter of its Ctrl shortcut ('Z').
struct EditCommand {
    const char *item;
    char key;
};
EditCommand editCommand(const RandomAction &action);

// What a PasteValue action puts on the clipboard first: a value of the 28
// flags, written as the user might; now and then one with a bit above them,
// which the window refuses with a message.
std::string pastedText(const RandomAction &action);
// Whether the window refuses that text.
bool pasteIsRefused(const RandomAction &action);

// The same seed gives the same actions on every system.
std::vector<RandomAction> drawActions(std::uint32_t seed, int count);

// "click chkflag(5)", "Ctrl+W": how a failure report lists the action.
std::string describe(const RandomAction &action);

} // namespace bitloom::tests
