// The main window: a pane list, a summary pane and one pane per hex digit of
// the flags value, two view modes and the menu bar. Its handlers gather their
// argument and hand over to modCommon or to the view switches.
#pragma once

#include "PaneIndex.h"
#include "modCommon.h"

#include <QMainWindow>
#include <memory>

class QLabel;
class QPushButton;

namespace bitloom::runtime {
class ListBox;
}

namespace bitloom::ui {

class frmAbout;

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    // The window's termination ends the program.
    ~frmMain() override;

private:
    void buildList(QWidget *client);
    void buildSummaryPane(QWidget *client);
    void buildDigitPanes(QWidget *client);
    void buildRules(QWidget *client);
    void buildMenus();
    void buildTabOrder();
    void connectHandlers();

    void setClientSize(int widthTwips, int heightTwips);
    PaneIndex listIndex() const;

    void Form_Load();
    void chkflag_Click(int index);
    void cmdClearAll_Click();
    void lstPane_Click();
    void mnuFileClear_Click();
    void mnuFileExit_Click();
    void mnuPane_Click(int index);
    void mnuViewSingle_Click();
    void mnuViewWide_Click();
    void mnuAbout_Click();

    runtime::ListBox *lstPane = nullptr;
    modCommon::Panes fraPane{};
    QLabel *lblIntroduction = nullptr;
    QLabel *lblOutput = nullptr;
    QLineEdit *txtOutput = nullptr;
    QLabel *lblInstructions = nullptr;
    QPushButton *cmdClearAll = nullptr;
    modCommon::FlagBoxes chkflag{};
    std::array<QLabel *, flags::flagCount> lblDescription{};

    QAction *mnuFileClear = nullptr;
    QAction *mnuFileExit = nullptr;
    modCommon::PaneItems mnuPane{};
    QAction *mnuViewSingle = nullptr;
    QAction *mnuViewWide = nullptr;
    QAction *mnuAbout = nullptr;

    // Created on first use, then kept for the whole run.
    frmAbout *aboutWindow = nullptr;
};

} // namespace bitloom::ui
