#include "support/RandomAction.h"

#include "flags/FlagsValue.h"

#include <algorithm>
#include <array>
#include <random>
#include <utility>

namespace bitloom::tests {

namespace {

// How often each kind is drawn, out of the sum of all weights. The kinds that
// wait for an animated click or a modal window are drawn rarely.
constexpr std::array<std::pair<ActionKind, unsigned>, 24> weights{{
    {ActionKind::ClickBox, 300},
    {ActionKind::SpaceOnFocus, 40},
    {ActionKind::PickList, 100},
    {ActionKind::MenuPane, 80},
    {ActionKind::ViewSingle, 30},
    {ActionKind::ViewWide, 30},
    {ActionKind::ShortcutSingle, 20},
    {ActionKind::ShortcutWide, 20},
    {ActionKind::ResetButton, 20},
    {ActionKind::ResetMenu, 20},
    {ActionKind::AltR, 3},
    {ActionKind::AltD, 20},
    {ActionKind::Escape, 2},
    {ActionKind::Tab, 60},
    {ActionKind::About, 4},
    {ActionKind::QuitNo, 2},
    {ActionKind::MinimizeRestore, 3},
    {ActionKind::Undo, 40},
    {ActionKind::Redo, 25},
    {ActionKind::CopyValue, 10},
    {ActionKind::PasteValue, 15},
    {ActionKind::BareLetter, 25},
    {ActionKind::Arrow, 40},
    {ActionKind::SwitchAway, 3},
}};

constexpr unsigned totalWeight()
{
    unsigned total = 0;
    for (const auto &[kind, weight] : weights)
        total += weight;
    return total;
}

// How many values the action's argument takes.
constexpr unsigned argumentCount(ActionKind kind)
{
    switch (kind) {
    case ActionKind::ClickBox:
        return 28;
    case ActionKind::PickList:
    case ActionKind::MenuPane:
    case ActionKind::About:
        return 8;
    case ActionKind::BareLetter:
        return 5;
    case ActionKind::Arrow:
        return 4;
    case ActionKind::QuitNo:
    case ActionKind::Undo:
    case ActionKind::Redo:
    case ActionKind::CopyValue:
        return 2;
    case ActionKind::PasteValue:
        // A value, and how it is written.
        return 1u << 28;
    default:
        return 1;
    }
}

} // namespace

std::vector<RandomAction> drawActions(std::uint32_t seed, int count)
{
    // std::mt19937's numbers are fixed by the standard; the distributions'
    // are not, so a remainder stands in for them and a seed replays alike
    // with any standard library.
    std::mt19937 engine(seed);
    std::vector<RandomAction> actions;
    actions.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        unsigned ticket = static_cast<unsigned>(engine() % totalWeight());
        ActionKind kind = ActionKind::ClickBox;
        for (const auto &[candidate, weight] : weights) {
            if (ticket < weight) {
                kind = candidate;
                break;
            }
            ticket -= weight;
        }
        const unsigned arg = argumentCount(kind) > 1 ? engine() % argumentCount(kind) : 0;
        actions.push_back({kind, static_cast<int>(arg)});
    }
    return actions;
}

EditCommand editCommand(const RandomAction &action)
{
    switch (action.kind) {
    case ActionKind::Undo:
        return {"mnuEditUndo", 'Z'};
    case ActionKind::Redo:
        return {"mnuEditRedo", 'Y'};
    case ActionKind::CopyValue:
        return {"mnuEditCopy", 'C'};
    default:
        return {"mnuEditPaste", 'V'};
    }
}

bool pasteIsRefused(const RandomAction &action)
{
    return action.arg % 13 == 0;
}

std::string pastedText(const RandomAction &action)
{
    // Built by appending: GCC 12 warns wrongly (-Wrestrict) on the
    // concatenations of a literal and a string here.
    const std::string hex = flags::hexText(static_cast<std::uint32_t>(action.arg));
    std::string text;
    if (pasteIsRefused(action)) {
        text.append("1").append(7 - std::min<std::size_t>(hex.size(), 7), '0').append(hex);
        return text;
    }
    switch (action.arg % 3) {
    case 0:
        return hex;
    case 1:
        return text.append("0x0").append(hex);
    default:
        return text.append("  ").append(hex).append("\r\n");
    }
}

std::string describe(const RandomAction &action)
{
    const std::string arg = std::to_string(action.arg);
    switch (action.kind) {
    case ActionKind::ClickBox:
        return "click chkflag(" + arg + ")";
    case ActionKind::SpaceOnFocus:
        return "Space on the focused control";
    case ActionKind::PickList:
        return "pick list item " + arg;
    case ActionKind::MenuPane:
        return "menu mnuPane(" + arg + ")";
    case ActionKind::ViewSingle:
        return "menu mnuViewSingle";
    case ActionKind::ViewWide:
        return "menu mnuViewWide";
    case ActionKind::ShortcutSingle:
        return "Ctrl+S";
    case ActionKind::ShortcutWide:
        return "Ctrl+W";
    case ActionKind::ResetButton:
        return "click cmdClearAll";
    case ActionKind::ResetMenu:
        return "menu mnuFileClear";
    case ActionKind::AltR:
        return "Alt+R";
    case ActionKind::AltD:
        return "Alt+D";
    case ActionKind::Escape:
        return "Esc";
    case ActionKind::Tab:
        return "Tab";
    case ActionKind::About: {
        static constexpr std::array<const char *, 4> ways{"button", "Enter", "Esc", "close box"};
        return std::string("About (") + (action.byKey() ? "F1" : "menu") + "), closed by "
               + ways[static_cast<std::size_t>(action.aboutClose())];
    }
    case ActionKind::QuitNo:
        return std::string("quit (") + (action.byKey() ? "Ctrl+Q" : "menu") + "), answered No";
    case ActionKind::MinimizeRestore:
        return "minimize and restore";
    case ActionKind::Undo:
        return action.byKey() ? "Ctrl+Z" : "menu mnuEditUndo";
    case ActionKind::Redo:
        return action.byKey() ? "Ctrl+Y" : "menu mnuEditRedo";
    case ActionKind::CopyValue:
        return action.byKey() ? "Ctrl+C" : "menu mnuEditCopy";
    case ActionKind::BareLetter:
        return std::string("the letter ") + action.letter() + " alone";
    case ActionKind::Arrow: {
        static constexpr std::array<const char *, 4> arrows{"Up", "Down", "Left", "Right"};
        return arrows[static_cast<std::size_t>(action.arrow())];
    }
    case ActionKind::SwitchAway:
        return "another program activated, then this window again";
    case ActionKind::PasteValue:
        return std::string("paste \"")
            .append(pastedText(action))
            .append("\" (")
            .append(action.byKey() ? "Ctrl+V" : "menu")
            .append(")");
    }
    return {};
}

} // namespace bitloom::tests
