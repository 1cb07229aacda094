// The main window's menu bar as data: each menu's items in order, with the
// command an item runs, its shortcut and its check mark at start. Both front
// ends build their menus from this table.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace bitloom::core {

enum class Command : std::uint8_t {
    None, // a separator
    ResetFlags,
    Quit,
    Undo,
    Redo,
    CopyValue,
    CopyLine,
    PasteValue,
    TypeValue,
    ShowPane, // the item's index is the pane
    SingleView,
    WideView,
    About,
};

// A key, with Ctrl or without: a letter ('A' to 'Z') or a function key (1 for
// F1). Each front end turns it into its own key code in one place.
struct Shortcut {
    bool control = false;
    char letter = 0;
    int functionKey = 0;
    bool shift = false;

    constexpr bool isNone() const { return letter == 0 && functionKey == 0; }
    friend constexpr bool operator==(const Shortcut &, const Shortcut &) = default;
};

struct MenuItem {
    // Object name; items of a control array share it and differ by index.
    std::string_view name = {};
    int index = -1;
    // Empty for a separator.
    std::string_view caption = {};
    Command command = Command::None;
    Shortcut shortcut{};
    bool checkable = false;
    bool checkedAtStart = false;

    constexpr bool isSeparator() const { return command == Command::None; }
};

struct Menu {
    std::string_view name;
    std::string_view caption;
    std::span<const MenuItem> items;
};

namespace menus {

inline constexpr std::array<MenuItem, 3> file{{
    {"mnuFileClear", -1, "&Réinitialiser les flags", Command::ResetFlags},
    {"mnuFileSep"},
    {"mnuFileExit", -1, "&Quitter", Command::Quit, {.control = true, .letter = 'Q'}},
}};

// "&Edition" has no accent on its capital, like "&A propos". "Copier la
// ligne" names the vehicle of the line read: its caption here is the one
// before any line.
inline constexpr std::array<MenuItem, 7> edit{{
    {"mnuEditUndo", -1, "&Annuler", Command::Undo, {.control = true, .letter = 'Z'}},
    {"mnuEditRedo", -1, "&Rétablir", Command::Redo, {.control = true, .letter = 'Y'}},
    {"mnuEditSep"},
    {"mnuEditCopy", -1, "&Copier la valeur", Command::CopyValue, {.control = true, .letter = 'C'}},
    {"mnuEditCopyLine",
     -1,
     "Copier la &ligne",
     Command::CopyLine,
     {.control = true, .letter = 'C', .shift = true}},
    {"mnuEditPaste",
     -1,
     "C&oller une valeur",
     Command::PasteValue,
     {.control = true, .letter = 'V'}},
    {"mnuEditType", -1, "&Saisir une valeur...", Command::TypeValue},
}};

inline constexpr std::array<MenuItem, 11> window{{
    {"mnuPane", 0, "&Résumé", Command::ShowPane, {}, true, true},
    {"mnuPane", 1, "&1e Chiffre", Command::ShowPane, {}, true},
    {"mnuPane", 2, "&2e Chiffre", Command::ShowPane, {}, true},
    {"mnuPane", 3, "&3e Chiffre", Command::ShowPane, {}, true},
    {"mnuPane", 4, "&4e Chiffre", Command::ShowPane, {}, true},
    {"mnuPane", 5, "&5e Chiffre", Command::ShowPane, {}, true},
    {"mnuPane", 6, "&6e Chiffre", Command::ShowPane, {}, true},
    {"mnuPane", 7, "&7e Chiffre", Command::ShowPane, {}, true},
    {"mnuViewSep"},
    {"mnuViewSingle",
     -1,
     "&Une rangée, Une Colonne (Simple)",
     Command::SingleView,
     {.control = true, .letter = 'S'},
     true},
    {"mnuViewWide",
     -1,
     "&Deux Rangées, Quatre Colonnes (Larges)",
     Command::WideView,
     {.control = true, .letter = 'W'},
     true,
     true},
}};

inline constexpr std::array<MenuItem, 1> help{{
    {"mnuAbout", -1, "&A propos", Command::About, {.functionKey = 1}},
}};

} // namespace menus

inline constexpr std::array<Menu, 4> menuBar{{
    {"mnuFile", "&Fichier", menus::file},
    {"mnuEdit", "&Edition", menus::edit},
    {"mnuWindow", "&Affichage", menus::window},
    {"mnuHelp", "&Aide", menus::help},
}};

// The item of that object name (and index, in a control array); throws
// std::out_of_range when the menu bar has none.
const MenuItem &menuItem(std::string_view name, int index = -1);

// "Ctrl+Q", "Ctrl+Maj+C", "F1": how a menu shows its item's shortcut.
std::string shortcutText(Shortcut shortcut);

} // namespace bitloom::core
