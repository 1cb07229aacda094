#include "modCommon.h"

#include "flags/FlagsValue.h"
#include "runtime/CheckBox.h"

#include <QAction>
#include <QLineEdit>

namespace bitloom::ui::modCommon {

void recompute(const FlagBoxes &chkflag, QLineEdit &txtOutput)
{
    flags::FlagStates states{};
    for (std::size_t bit = 0; bit < chkflag.size(); ++bit)
        states[bit] = chkflag[bit]->value();
    txtOutput.setText(QString::fromStdString(flags::valueText(flags::flagsValue(states))));
}

void resetFlags(const FlagBoxes &chkflag)
{
    for (runtime::CheckBox *box : chkflag)
        box->setValue(flags::CheckState::Unchecked);
}

void selectPane(PaneIndex index, const Panes &fraPane, const PaneItems &mnuPane)
{
    if (index == PaneIndex::None) {
        // The summary shows; the menu must check it too, whatever pane was
        // chosen from the menu before. Other panes keep their visibility.
        fraPane[0]->setVisible(true);
        for (int pane = 0; pane < paneCount; ++pane)
            mnuPane[static_cast<std::size_t>(pane)]->setChecked(pane == 0);
        return;
    }
    for (int pane = 0; pane < paneCount; ++pane) {
        const bool chosen = pane == toInt(index);
        fraPane[static_cast<std::size_t>(pane)]->setVisible(chosen);
        mnuPane[static_cast<std::size_t>(pane)]->setChecked(chosen);
    }
}

} // namespace bitloom::ui::modCommon
