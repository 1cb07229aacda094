#include "MainWindowBehaviour.h"

#include "MainWindowControls.h"
#include "MainWindowDefinition.h"
#include "ValueInput.h"
#include "flags/FlagsValue.h"

#include <utility>

namespace bitloom::core {

MainWindowBehaviour::MainWindowBehaviour(MainWindowControls &controls)
    : m_controls(controls)
{
}

void MainWindowBehaviour::load()
{
    const TwipsPoint summarySpot{mainWindow::summaryPane.rect.left,
                                 mainWindow::summaryPane.rect.top};
    for (int pane = 0; pane < paneCount; ++pane)
        m_controls.movePane(pane, summarySpot);
    showSingleView();
    enableHistoryCommands();
    showLine({});
}

void MainWindowBehaviour::flagClicked(int)
{
    const EditState before{m_shown, m_line};
    recompute();
    if (m_changesInStep == 0 && m_shown != before.flags) {
        m_history.record(before);
        enableHistoryCommands();
    }
}

void MainWindowBehaviour::recompute()
{
    for (int bit = 0; bit < flags::flagCount; ++bit)
        m_shown[static_cast<std::size_t>(bit)] = m_controls.flag(bit);
    m_controls.setOutputText(flags::valueText(flags::flagsValue(m_shown)));
}

void MainWindowBehaviour::resetFlags()
{
    changeAsOneStep([this] {
        for (int bit = 0; bit < flags::flagCount; ++bit)
            m_controls.setFlag(bit, flags::CheckState::Unchecked);
    });
}

template <typename Change>
void MainWindowBehaviour::changeAsOneStep(Change &&change)
{
    const EditState before{m_shown, m_line};
    ++m_changesInStep;
    try {
        std::forward<Change>(change)();
    } catch (...) {
        --m_changesInStep;
        throw;
    }
    --m_changesInStep;
    if (m_changesInStep == 0 && !(EditState{m_shown, m_line} == before)) {
        m_history.record(before);
        enableHistoryCommands();
    }
}

void MainWindowBehaviour::showState(const EditState &state)
{
    ++m_changesInStep;
    for (int bit = 0; bit < flags::flagCount; ++bit)
        m_controls.setFlag(bit, state.flags[static_cast<std::size_t>(bit)]);
    --m_changesInStep;
    showLine(state.line);
}

void MainWindowBehaviour::undo()
{
    if (const auto previous = m_history.undo({m_shown, m_line}))
        showState(*previous);
    enableHistoryCommands();
}

void MainWindowBehaviour::redo()
{
    if (const auto next = m_history.redo({m_shown, m_line}))
        showState(*next);
    enableHistoryCommands();
}

void MainWindowBehaviour::forgetHistory()
{
    m_history.clear();
    enableHistoryCommands();
}

void MainWindowBehaviour::enableHistoryCommands()
{
    m_controls.setCommandEnabled(Command::Undo, m_history.canUndo());
    m_controls.setCommandEnabled(Command::Redo, m_history.canRedo());
}

void MainWindowBehaviour::copyValue()
{
    m_controls.setClipboardText(m_controls.outputText());
}

void MainWindowBehaviour::copyLine()
{
    if (m_line.isCopyable())
        m_controls.setClipboardText(lineWithValue(m_line, flags::flagsValue(m_shown)));
}

// "Copier la ligne" names the line's vehicle, and is there only for a line
// the game reads as the window did.
void MainWindowBehaviour::showLine(PastedLine line)
{
    m_line = std::move(line);
    m_controls.setCommandCaption(Command::CopyLine, copyLineCaption(m_line), m_line.problem);
    m_controls.setCommandEnabled(Command::CopyLine, m_line.isCopyable());
}

void MainWindowBehaviour::pasteValue()
{
    constexpr std::string_view title = "Coller une valeur";
    if (const std::optional<std::string> text = m_controls.clipboardText())
        readValue(*text, title);
    else
        m_controls.showMessage("Le presse-papiers ne contient pas de texte.", title);
}

void MainWindowBehaviour::typeValue()
{
    if (const std::optional<std::string> text = m_controls.askForValue())
        readValue(*text, "Saisir une valeur");
}

void MainWindowBehaviour::readValue(std::string_view text, std::string_view title)
{
    const ValueInput input = readValueInput(text);
    switch (input.decision) {
    case ValueDecision::Apply:
        break;
    case ValueDecision::Confirm:
        if (m_controls.ask(input.message, title) != Answer::Yes)
            return;
        break;
    case ValueDecision::Refuse:
        m_controls.showMessage(input.message, title);
        return;
    }
    applyValue(input.value, input.line);
    // The value is read; the line, the game would read otherwise.
    if (!input.line.problem.empty())
        m_controls.showMessage("Le jeu ne lit pas cette ligne comme la fenêtre : "
                                   + input.line.problem
                                   + "\n\n« Copier la ligne » ne la rendra pas.",
                               title);
}

void MainWindowBehaviour::applyValue(std::uint32_t value, PastedLine line)
{
    const EditState before{m_shown, m_line};
    try {
        // Each box that changes raises its click, so the output is the
        // value in its own form.
        changeAsOneStep([&] {
            showLine(std::move(line));
            for (int bit = 0; bit < flags::flagCount; ++bit) {
                const bool set = (value & flags::maskOf(bit)) != 0;
                m_controls.setFlag(bit,
                                   set ? flags::CheckState::Checked : flags::CheckState::Unchecked);
            }
        });
    } catch (...) {
        // Whole or not at all: the boxes go back as they were.
        showState(before);
        throw;
    }
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
    case Command::Undo:
        undo();
        return;
    case Command::Redo:
        redo();
        return;
    case Command::CopyValue:
        copyValue();
        return;
    case Command::CopyLine:
        copyLine();
        return;
    case Command::PasteValue:
        pasteValue();
        return;
    case Command::TypeValue:
        typeValue();
        return;
    }
}

} // namespace bitloom::core
