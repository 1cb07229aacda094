// What the main window does on each of its events, whichever toolkit draws
// it: the front end's handlers gather their argument and call one of these.
#pragma once

#include "MenuDefinition.h"
#include "PaneIndex.h"

namespace bitloom::core {

class MainWindowControls;

class MainWindowBehaviour {
public:
    explicit MainWindowBehaviour(MainWindowControls &controls);

    // Before the window is first shown: every pane on the summary pane's spot,
    // then single view.
    void load();

    // A flag's box was clicked, by the user or by the program.
    void flagClicked(int bit);
    // Writes the value of the checked boxes into the output box.
    void recompute();
    // Clears every box in bit order. Each box that changes raises its own
    // click, which recomputes the output; a clear box raises nothing.
    void resetFlags();

    void paneListClicked();
    // Shows the chosen pane and checks its menu item, hiding and unchecking
    // all others. With no choice (None) it shows the summary pane and checks
    // its item, leaving the other panes as they are.
    void selectPane(PaneIndex index);

    void showSingleView();
    void showWideView();

    // Asks for confirmation and ends the program on Yes.
    void quit();
    void openAboutWindow();

    // A menu item was chosen, from the menu or by its shortcut.
    void run(const MenuItem &item);

private:
    MainWindowControls &m_controls;
};

} // namespace bitloom::core
