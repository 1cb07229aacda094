// What the main window's behaviour reads and changes in a window. Each front
// end implements it over its own controls; the behaviour never sees a toolkit.
#pragma once

#include "Answer.h"
#include "PaneIndex.h"
#include "Twips.h"
#include "flags/CheckState.h"

#include <string_view>

namespace bitloom::core {

enum class ViewMode { Single, Wide };

class MainWindowControls {
public:
    virtual ~MainWindowControls() = default;

    virtual flags::CheckState flag(int bit) const = 0;
    // A box whose state changes raises its click, as a user's click does; a
    // box set to the state it already has raises nothing.
    virtual void setFlag(int bit, flags::CheckState state) = 0;
    virtual void setOutputText(std::string_view text) = 0;

    virtual void setPaneVisible(int pane, bool visible) = 0;
    virtual void movePane(int pane, TwipsPoint position) = 0;
    virtual TwipsSize paneSize(int pane) const = 0;
    virtual void setPaneItemChecked(int pane, bool checked) = 0;
    virtual void setViewItemChecked(ViewMode mode, bool checked) = 0;

    virtual void setListVisible(bool visible) = 0;
    virtual PaneIndex listIndex() const = 0;
    virtual void setClientSize(TwipsSize size) = 0;

    // A modal Yes/No question with the question icon; the user must answer.
    virtual Answer ask(std::string_view message, std::string_view title) = 0;
    // Shows the About window modally; returns once it is closed.
    virtual void showAboutWindow() = 0;
    // Ends the program at once: no further event reaches any window.
    virtual void endProgram() = 0;
};

} // namespace bitloom::core
