// The main window drawn with Windows' own controls: the pane list, the summary
// pane, one pane per hex digit of the flags value and the menu bar, built by
// walking the shared list of its controls. Its events go to the shared
// behaviour, which acts on the window through the controls interface below.
#pragma once

#include "MenuBar.h"
#include "core/MainWindowBehaviour.h"
#include "core/MainWindowControls.h"
#include "core/MainWindowDefinition.h"
#include "flags/FlagCatalogue.h"
#include "win32/runtime/Controls.h"
#include "win32/runtime/Frame.h"
#include "win32/runtime/Handles.h"
#include "win32/runtime/ToolTips.h"
#include "win32/runtime/Window.h"

#include <array>
#include <memory>
#include <optional>

namespace bitloom::win32 {

class AboutWindow;
class ValueDialog;

class MainWindow : public Window, private core::MainWindowControls {
public:
    MainWindow();
    ~MainWindow() override;

    void show();

    const MenuBar &menuBar() const { return m_menuBar; }
    // Lays the window out again at another resolution, as when it moves to
    // another monitor.
    void applyDpi(core::Dpi dpi);
    // The About window, once it has been opened.
    AboutWindow *aboutWindow() const { return m_aboutWindow.get(); }
    // Forgets the steps that Undo and Redo would take, as at the start of a
    // session.
    void forgetEditHistory();

    // Which controls are made before the first frame, and which after.
    enum class Stage { FirstFrame, DigitPanes };

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void menuCommand(int id) override;

private:
    void buildControls(Stage stage);
    // The digit panes' controls, once.
    void buildDigitPanes();
    Control &addControl(const core::mainWindow::ControlEntry &entry, bool startsGroup);
    Placement placement(const core::mainWindow::ControlEntry &entry, bool startsGroup) const;
    // The window's background: the rules of the window and of the panes
    // that show.
    void paintRules(HDC context) const;
    void addToolTips();
    void connectHandlers();
    void applyFonts();
    void placeControls();
    void repaintLater();
    Frame &pane(int index);
    const Frame &pane(int index) const;
    POINT paneOrigin(int index) const;

    // The controls interface, over this window's controls.
    flags::CheckState flag(int bit) const override;
    void setFlag(int bit, flags::CheckState state) override;
    void setOutputText(std::string_view text) override;
    std::string outputText() const override;
    void setPaneVisible(int pane, bool visible) override;
    void movePane(int pane, core::TwipsPoint position) override;
    core::TwipsSize paneSize(int pane) const override;
    void setPaneItemChecked(int pane, bool checked) override;
    void setViewItemChecked(core::ViewMode mode, bool checked) override;
    void setCommandEnabled(core::Command command, bool enabled) override;
    void setCommandCaption(core::Command command, std::string_view caption,
                           std::string_view toolTip) override;
    void setListVisible(bool visible) override;
    core::PaneIndex listIndex() const override;
    void setClientSize(core::TwipsSize size) override;
    std::optional<std::string> clipboardText() const override;
    void setClipboardText(std::string_view text) override;
    core::Answer ask(std::string_view message, std::string_view title) override;
    void showMessage(std::string_view message, std::string_view title) override;
    std::optional<std::string> askForValue() override;
    void showAboutWindow() override;
    void endProgram() override;

    core::MainWindowBehaviour m_behaviour{*this};
    MenuBar m_menuBar;
    core::TwipsSize m_clientSize{};
    UniqueFont m_dialogFont;
    UniqueFont m_outputFont;

    ListBox *m_paneList = nullptr;
    std::array<Frame, core::paneCount> m_panes;
    LockedEdit *m_output = nullptr;
    PushButton *m_resetButton = nullptr;
    std::array<CheckBox *, flags::flagCount> m_flagBoxes{};
    std::optional<ToolTips> m_toolTips;
    bool m_digitPanesBuilt = false;

    std::unique_ptr<AboutWindow> m_aboutWindow;
    std::unique_ptr<ValueDialog> m_valueDialog;
};

} // namespace bitloom::win32
