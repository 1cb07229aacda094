#include "MainWindowBehaviour.h"

#include "MainWindowControls.h"
#include "MainWindowDefinition.h"
#include "flags/FlagsValue.h"

namespace bitloom::core {

MainWindowBehaviour::MainWindowBehaviour(MainWindowControls &controls)
    : m_controls(controls)
{
}

void MainWindowBehaviour::load()
{
    const TwipsPoint summarySpot{mainWindow::fraPane0.rect.left, mainWindow::fraPane0.rect.top};
    for (int pane = 0; pane < paneCount; ++pane)
        m_controls.movePane(pane, summarySpot);
    showSingleView();
}

void MainWindowBehaviour::flagClicked(int)
{
    recompute();
}

void MainWindowBehaviour::recompute()
{
    flags::FlagStates states{};
    for (int bit = 0; bit < flags::flagCount; ++bit)
        states[static_cast<std::size_t>(bit)] = m_controls.flag(bit);
    m_controls.setOutputText(flags::valueText(flags::flagsValue(states)));
}

void MainWindowBehaviour::resetFlags()
{
    for (int bit = 0; bit < flags::flagCount; ++bit)
        m_controls.setFlag(bit, flags::CheckState::Unchecked);
}

void MainWindowBehaviour::paneListClicked()
{
    selectPane(m_controls.listIndex());
}

void MainWindowBehaviour::selectPane(PaneIndex index)
{
    if (index == PaneIndex::None) {
        // Only single view with no list choice comes here, so the summary is
        // the one pane showing, and its item is the one to check.
        m_controls.setPaneVisible(0, true);
        for (int pane = 0; pane < paneCount; ++pane)
            m_controls.setPaneItemChecked(pane, pane == 0);
        return;
    }
    for (int pane = 0; pane < paneCount; ++pane) {
        const bool chosen = pane == toInt(index);
        m_controls.setPaneVisible(pane, chosen);
        m_controls.setPaneItemChecked(pane, chosen);
    }
}

void MainWindowBehaviour::showSingleView()
{
    m_controls.setViewItemChecked(ViewMode::Single, true);
    m_controls.setViewItemChecked(ViewMode::Wide, false);
    for (int pane = 0; pane < paneCount; ++pane)
        m_controls.setPaneVisible(pane, false);
    for (int pane = 0; pane < paneCount; ++pane)
        m_controls.movePane(pane, mainWindow::singleViewPanePosition);
    m_controls.setListVisible(true);
    m_controls.setClientSize(mainWindow::singleViewClient);
    selectPane(m_controls.listIndex());
}

void MainWindowBehaviour::showWideView()
{
    m_controls.setViewItemChecked(ViewMode::Single, false);
    m_controls.setViewItemChecked(ViewMode::Wide, true);
    m_controls.setClientSize(mainWindow::wideViewClient);
    m_controls.setListVisible(false);
    // Each pane is placed from the summary pane's size, read afresh.
    for (int pane = 0; pane < paneCount; ++pane)
        m_controls.movePane(pane, mainWindow::widePanePosition(pane, m_controls.paneSize(0)));
    for (int pane = 0; pane < paneCount; ++pane)
        m_controls.setPaneVisible(pane, true);
}

void MainWindowBehaviour::quit()
{
    if (m_controls.ask(mainWindow::quitMessage, mainWindow::quitTitle) == Answer::Yes)
        m_controls.endProgram();
}

void MainWindowBehaviour::openAboutWindow()
{
    m_controls.showAboutWindow();
}

void MainWindowBehaviour::run(const MenuItem &item)
{
    switch (item.command) {
    case Command::None:
        return;
    case Command::ResetFlags:
        resetFlags();
        return;
    case Command::Quit:
        quit();
        return;
    case Command::ShowPane:
        selectPane(paneIndex(item.index));
        return;
    case Command::SingleView:
        showSingleView();
        return;
    case Command::WideView:
        showWideView();
        return;
    case Command::About:
        openAboutWindow();
        return;
    }
}

} // namespace bitloom::core
