#include "support/RandomUserModel.h"

#include "flags/FlagCatalogue.h"
#include "flags/FlagsValue.h"

namespace bitloom::tests {

bool RandomUserModel::canPerform(const RandomAction &action) const
{
    switch (action.kind) {
    case ActionKind::ClickBox:
        return visible[static_cast<std::size_t>(flags::digitOf(action.arg))];
    case ActionKind::PickList:
        return !wide;
    case ActionKind::ResetButton:
        return visible[0];
    default:
        return true;
    }
}

void RandomUserModel::apply(const RandomAction &action, bool outputFocused)
{
    if (!canPerform(action))
        return;
    if (outputFocused && action.byKey()) {
        switch (action.kind) {
        case ActionKind::Undo:
        case ActionKind::Redo:
            return;
        case ActionKind::CopyValue:
            // The box copies its own selection.
            clipboard.reset();
            return;
        case ActionKind::PasteValue:
            clipboard = pastedText(action);
            return;
        default:
            break;
        }
    }
    switch (action.kind) {
    case ActionKind::ClickBox:
        toggle(action.arg);
        return;
    case ActionKind::PickList:
        pickList(action.arg);
        return;
    case ActionKind::MenuPane:
        selectPane(action.arg);
        return;
    case ActionKind::ViewSingle:
    case ActionKind::ShortcutSingle:
        singleView();
        return;
    case ActionKind::ViewWide:
    case ActionKind::ShortcutWide:
        wideView();
        return;
    case ActionKind::ResetButton:
    case ActionKind::ResetMenu:
        resetFlags();
        return;
    case ActionKind::AltR:
    case ActionKind::Escape:
        // The reset button's keys, while the button shows.
        if (visible[0])
            resetFlags();
        return;
    case ActionKind::Undo:
        undo();
        return;
    case ActionKind::Redo:
        redo();
        return;
    case ActionKind::CopyValue:
        clipboard = flags::valueText(flags);
        return;
    case ActionKind::PasteValue:
        clipboard = pastedText(action);
        if (!pasteIsRefused(action))
            change(static_cast<std::uint32_t>(action.arg));
        return;
    default:
        return;
    }
}

void RandomUserModel::change(std::uint32_t value)
{
    // The window keeps its newest thousand steps.
    constexpr std::size_t kept = 1000;
    if (value == flags)
        return;
    undoSteps.push_back(flags);
    if (undoSteps.size() > kept)
        undoSteps.erase(undoSteps.begin());
    redoSteps.clear();
    flags = value;
}

void RandomUserModel::undo()
{
    if (undoSteps.empty())
        return;
    redoSteps.push_back(flags);
    flags = undoSteps.back();
    undoSteps.pop_back();
}

void RandomUserModel::redo()
{
    if (redoSteps.empty())
        return;
    undoSteps.push_back(flags);
    flags = redoSteps.back();
    redoSteps.pop_back();
}

void RandomUserModel::toggle(int bit)
{
    change(flags ^ flags::maskOf(bit));
}

void RandomUserModel::pickList(int item)
{
    listIndex = item;
    selectPane(item);
}

void RandomUserModel::keyOnList(int before, int after)
{
    if (after != before && after >= 0)
        pickList(after);
}

void RandomUserModel::resetFlags()
{
    change(0);
}

void RandomUserModel::selectPane(int pane)
{
    // With no choice the summary shows and is the checked item; the other
    // panes keep their visibility.
    if (pane < 0) {
        visible[0] = true;
        for (std::size_t i = 0; i < checked.size(); ++i)
            checked[i] = i == 0;
        return;
    }
    for (std::size_t i = 0; i < visible.size(); ++i)
        visible[i] = checked[i] = static_cast<int>(i) == pane;
}

void RandomUserModel::singleView()
{
    wide = false;
    visible.fill(false);
    selectPane(listIndex);
}

void RandomUserModel::wideView()
{
    wide = true;
    visible.fill(true);
}

} // namespace bitloom::tests
