// The main window drawn with Qt Widgets: the pane list, the summary pane, one
// pane per hex digit of the flags value and the menu bar, built from the
// shared definition. Its events go to the shared behaviour, which acts on the
// window through the controls interface below.
#pragma once

#include "core/MainWindowBehaviour.h"
#include "core/MainWindowControls.h"
#include "core/MainWindowDefinition.h"
#include "flags/FlagCatalogue.h"

#include <QMainWindow>
#include <array>
#include <map>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bitloom::runtime {
class CheckBox;
class ListBox;
class LockedLineEdit;
} // namespace bitloom::runtime

namespace bitloom::ui {

class AboutWindow;
class ValueDialog;

class MainWindow : public QMainWindow, private core::MainWindowControls {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    // The window's termination ends the program.
    ~MainWindow() override;

    // Forgets the steps that Undo and Redo would take, as at the start of a
    // session.
    void forgetEditHistory();

private:
    void buildControls(QWidget *client);
    QWidget *makeControl(const core::mainWindow::ControlEntry &entry, QWidget *container);
    void buildRules(QWidget *client);
    void buildMenus();
    void runMenuItem(const core::MenuItem &item);
    void connectHandlers();

    // The controls interface, over this window's widgets.
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

    runtime::ListBox *m_paneList = nullptr;
    std::array<QWidget *, core::paneCount> m_panes{};
    runtime::LockedLineEdit *m_output = nullptr;
    QPushButton *m_resetButton = nullptr;
    std::array<runtime::CheckBox *, flags::flagCount> m_flagBoxes{};
    std::array<QAction *, core::paneCount> m_paneItems{};
    QAction *m_singleViewItem = nullptr;
    QAction *m_wideViewItem = nullptr;
    std::map<core::Command, QAction *> m_commandItems;

    // Created on first use, then kept for the whole run.
    AboutWindow *m_aboutWindow = nullptr;
    ValueDialog *m_valueDialog = nullptr;
};

} // namespace bitloom::ui
