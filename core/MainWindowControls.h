// What the main window's behaviour reads and changes in a window. Each front
// end implements it over its own controls; the behaviour never sees a toolkit.
#pragma once

#include "Answer.h"
#include "MenuDefinition.h"
#include "PaneIndex.h"
#include "Twips.h"
#include "flags/CheckState.h"

#include <optional>
#include <string>
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
    virtual std::string outputText() const = 0;

    virtual void setPaneVisible(int pane, bool visible) = 0;
    virtual void movePane(int pane, TwipsPoint position) = 0;
    virtual TwipsSize paneSize(int pane) const = 0;
    virtual void setPaneItemChecked(int pane, bool checked) = 0;
    virtual void setViewItemChecked(ViewMode mode, bool checked) = 0;
    // Enables or disables the menu item of a command, and its shortcut.
    virtual void setCommandEnabled(Command command, bool enabled) = 0;
    // The caption of a command's menu item, with its access key, and what its
    // tooltip says (nothing when empty).
    virtual void setCommandCaption(Command command, std::string_view caption,
                                   std::string_view toolTip)
        = 0;

    virtual void setListVisible(bool visible) = 0;
    virtual PaneIndex listIndex() const = 0;
    virtual void setClientSize(TwipsSize size) = 0;

    // The clipboard's text; nothing when it holds no text (an image, or
    // nothing at all).
    virtual std::optional<std::string> clipboardText() const = 0;
    virtual void setClipboardText(std::string_view text) = 0;

    // A modal Yes/No question with the question icon; the user must answer.
    virtual Answer ask(std::string_view message, std::string_view title) = 0;
    // A modal message with an "OK" button and the warning icon.
    virtual void showMessage(std::string_view message, std::string_view title) = 0;
    // The value-entry window, modal; the text typed, or nothing when cancelled.
    virtual std::optional<std::string> askForValue() = 0;
    // Shows the About window modally; returns once it is closed.
    virtual void showAboutWindow() = 0;
    // Ends the program at once: no further event reaches any window.
    virtual void endProgram() = 0;
};

} // namespace bitloom::core
