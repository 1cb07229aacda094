// The main window drawn with Qt Widgets: the pane list, the summary pane, one
// pane per hex digit of the flags value and the menu bar, built from the
// shared definition. Its events go to the shared behaviour, which acts on the
// window through the controls interface below.
#pragma once

#include "core/MainWindowBehaviour.h"
#include "core/MainWindowControls.h"
#include "flags/FlagCatalogue.h"

#include <QMainWindow>
#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bitloom::runtime {
class CheckBox;
class ListBox;
} // namespace bitloom::runtime

namespace bitloom::ui {

class AboutWindow;

class MainWindow : public QMainWindow, private core::MainWindowControls {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    // The window's termination ends the program.
    ~MainWindow() override;

private:
    void buildList(QWidget *client);
    void buildSummaryPane(QWidget *client);
    void buildDigitPanes(QWidget *client);
    void buildRules(QWidget *client);
    void buildMenus();
    void buildTabOrder();
    void connectHandlers();

    // The controls interface, over this window's widgets.
    flags::CheckState flag(int bit) const override;
    void setFlag(int bit, flags::CheckState state) override;
    void setOutputText(std::string_view text) override;
    void setPaneVisible(int pane, bool visible) override;
    void movePane(int pane, core::TwipsPoint position) override;
    core::TwipsSize paneSize(int pane) const override;
    void setPaneItemChecked(int pane, bool checked) override;
    void setViewItemChecked(core::ViewMode mode, bool checked) override;
    void setListVisible(bool visible) override;
    core::PaneIndex listIndex() const override;
    void setClientSize(core::TwipsSize size) override;
    core::Answer ask(std::string_view message, std::string_view title) override;
    void showAboutWindow() override;
    void endProgram() override;

    core::MainWindowBehaviour m_behaviour{*this};

    runtime::ListBox *m_paneList = nullptr;
    std::array<QWidget *, core::paneCount> m_panes{};
    QLineEdit *m_output = nullptr;
    QPushButton *m_resetButton = nullptr;
    std::array<runtime::CheckBox *, flags::flagCount> m_flagBoxes{};
    std::array<QAction *, core::paneCount> m_paneItems{};
    QAction *m_singleViewItem = nullptr;
    QAction *m_wideViewItem = nullptr;

    // Created on first use, then kept for the whole run.
    AboutWindow *m_aboutWindow = nullptr;
};

} // namespace bitloom::ui
