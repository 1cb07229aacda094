// The operations that several handlers of the main window share. Each one acts
// on the controls it is given, which in the running program are those of the
// one main window.
#pragma once

#include "PaneIndex.h"
#include "flags/FlagCatalogue.h"

#include <array>

class QAction;
class QLineEdit;
class QWidget;

namespace bitloom::runtime {
class CheckBox;
}

namespace bitloom::ui::modCommon {

using FlagBoxes = std::array<runtime::CheckBox *, flags::flagCount>;
using Panes = std::array<QWidget *, paneCount>;
using PaneItems = std::array<QAction *, paneCount>;

// Writes the value of the checked boxes into the output box.
void recompute(const FlagBoxes &chkflag, QLineEdit &txtOutput);

// Clears every box in bit order. Each box that changes raises its own click
// event, whose handler recomputes the output; a clear box raises nothing.
void resetFlags(const FlagBoxes &chkflag);

// Shows the chosen pane and checks its menu item, hiding and unchecking all
// others. With no choice (None) it shows the summary pane and checks its
// item, leaving the other panes as they are.
void selectPane(PaneIndex index, const Panes &fraPane, const PaneItems &mnuPane);

} // namespace bitloom::ui::modCommon
