#include "support/RandomUserModel.h"

#include "flags/FlagCatalogue.h"

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

void RandomUserModel::apply(const RandomAction &action)
{
    if (!canPerform(action))
        return;
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
    default:
        return;
    }
}

void RandomUserModel::toggle(int bit)
{
    flags ^= flags::maskOf(bit);
}

void RandomUserModel::pickList(int item)
{
    listIndex = item;
    selectPane(item);
}

void RandomUserModel::resetFlags()
{
    flags = 0;
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
