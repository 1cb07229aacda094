// What the main window does on each of its events, whichever toolkit draws
// it: the front end's handlers gather their argument and call one of these.
#pragma once

#include "MenuDefinition.h"
#include "PaneIndex.h"
#include "PastedLine.h"
#include "UndoHistory.h"
#include "flags/FlagsValue.h"

#include <cstdint>
#include <string_view>

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

    // The boxes as they were before the last change (a tick, a reset, a value
    // read in), and forward again.
    void undo();
    void redo();
    // Forgets every step, as at the start of a session.
    void forgetHistory();

    // The output text to the clipboard.
    void copyValue();
    // The vehicle line last read, with the value the output shows in its
    // flags field, to the clipboard; nothing while there is no line the game
    // reads as the window did.
    void copyLine();
    // A value from the clipboard's text, or typed in the value window: read
    // as the game reads column "ae", then applied whole or not at all.
    void pasteValue();
    void typeValue();

    // A menu item was chosen, from the menu or by its shortcut.
    void run(const MenuItem &item);

private:
    // What a step of the history brings back: the boxes, and the line read
    // with them.
    struct EditState {
        flags::FlagStates flags{};
        PastedLine line{};
        bool operator==(const EditState &) const = default;
    };

    void readValue(std::string_view text, std::string_view title);
    void applyValue(std::uint32_t value, PastedLine line);
    void showState(const EditState &state);
    // Runs a change of several boxes as one step of the history.
    template <typename Change>
    void changeAsOneStep(Change &&change);
    void enableHistoryCommands();
    void showLine(PastedLine line);

    MainWindowControls &m_controls;
    UndoHistory<EditState> m_history;
    // The boxes as the output last showed them, and the line last read.
    flags::FlagStates m_shown{};
    PastedLine m_line{};
    // Above zero while a change of several boxes runs: their clicks make no
    // steps of their own.
    int m_changesInStep = 0;
};

} // namespace bitloom::core
