#include "MainWindow.h"

#include "AboutWindow.h"
#include "ValueDialog.h"
#include "core/FlagToolTip.h"
#include "core/MainWindowDefinition.h"
#include "core/ObjectName.h"
#include "win32/runtime/Dpi.h"
#include "win32/runtime/EventHandler.h"
#include "win32/runtime/Fonts.h"
#include "win32/runtime/Program.h"
#include "win32/runtime/QuestionBox.h"
#include "win32/runtime/Text.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace bitloom::win32 {

namespace def = core::mainWindow;

namespace {

constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD windowExtendedStyle = WS_EX_CONTROLPARENT;

HICON programIcon()
{
    return LoadIconW(GetModuleHandleW(nullptr), L"IDI_ICON1");
}

// Where each control goes in the window's z-order: the tab order first (Tab
// and access keys follow the z-order), then the rules, then the frames, which
// are drawn beneath what they hold.
constexpr int rulesRank = 1000;
constexpr int framesRank = 2000;

} // namespace

template <typename T>
T &MainWindow::stacked(T &control, int rank)
{
    m_stacking.push_back({rank, control.handle()});
    return control;
}

MainWindow::MainWindow()
{
    create({L"BitloomMainWindow", programIcon()}, windowStyle, windowExtendedStyle,
           toWide(def::caption), nullptr, m_menuBar.handle());
    m_dpi = dpi();

    buildList();
    buildSummaryPane();
    buildDigitPanes();
    stackInTabOrder();
    connectHandlers();
    applyFonts();
    placeControls();

    handleKeyboardOf(handle(), m_menuBar.shortcuts());
    m_behaviour.load();
}

MainWindow::~MainWindow()
{
    forgetKeyboardOf(handle());
}

void MainWindow::forgetEditHistory()
{
    m_behaviour.forgetHistory();
}

void MainWindow::show()
{
    ShowWindow(handle(), SW_SHOWNORMAL);
    UpdateWindow(handle());
    SetFocus(m_paneList->handle());
}

void MainWindow::buildList()
{
    m_paneList = &stacked(add<ListBox>("lstPane"), def::lstPane.tabIndex);
    m_paneList->setGeometry(def::lstPane.rect);
    m_paneList->setVisible(true);
    // Item k names pane k: the summary, then each digit by its caption.
    m_paneList->addItem(toWide(def::fraPane0.text));
    for (int digit = 1; digit <= flags::digitCount; ++digit)
        m_paneList->addItem(toWide(flags::digitCaption(digit)));
}

void MainWindow::buildSummaryPane()
{
    auto &box = stacked(add<GroupBox>(core::objectName("fraPane", 0), toWide(def::fraPane0.text)),
                        framesRank);
    box.setGeometry(def::fraPane0.rect);
    Frame &pane = m_panes[0].emplace(box);

    const auto member = [ this, &pane ](auto &control, const def::Control &definition) -> auto &
    {
        control.setGeometry(definition.rect);
        pane.addControl(control);
        return stacked(control, definition.tabIndex);
    };
    member(add<Label>("lblIntroduction", toWide(def::lblIntroduction.text)), def::lblIntroduction);
    member(add<Label>("lblOutput", toWide(def::lblOutput.text), Label::AccessKey::Marked),
           def::lblOutput);
    m_output
        = &member(add<LockedEdit>("txtOutput", toWide(def::txtOutput.text), LockedEdit::Lines::One),
                  def::txtOutput);
    member(add<Label>("lblInstructions", toWide(def::lblInstructions.text)), def::lblInstructions);
    m_resetButton
        = &member(add<PushButton>("cmdClearAll", toWide(def::cmdClearAll.text)), def::cmdClearAll);

    // Two coincident lines make each rule: the thinner one on top.
    const auto rule = [this](const def::Rule &r, std::string_view name, Frame *frame) {
        auto &shadow
            = stacked(add<Rule>(core::objectName(name, 0),
                                Rule::Line{r.x1, r.x2, r.y, r.shadowPixels}, COLOR_BTNSHADOW),
                      rulesRank + (r.shadowPixels < r.highlightPixels ? 0 : 1));
        auto &highlight
            = stacked(add<Rule>(core::objectName(name, 1),
                                Rule::Line{r.x1, r.x2, r.y, r.highlightPixels}, COLOR_BTNHIGHLIGHT),
                      rulesRank + (r.shadowPixels < r.highlightPixels ? 1 : 0));
        for (Rule *line : {&shadow, &highlight}) {
            if (frame)
                frame->addControl(*line);
            else
                m_windowRules.push_back(line);
            line->setVisible(true);
        }
    };
    rule(def::linSummarySplitter, "linSummarySplitter", &pane);
    rule(def::linMenuSplitter, "linMenuSplitter", nullptr);
    pane.setVisible(true);
}

void MainWindow::buildDigitPanes()
{
    m_toolTips.emplace(handle());
    for (int digit = 1; digit <= flags::digitCount; ++digit) {
        auto &box = stacked(
            add<GroupBox>(core::objectName("fraPane", digit), toWide(flags::digitCaption(digit))),
            framesRank + digit);
        box.setGeometry({0, 0, def::paneSize.width, def::paneSize.height});
        Frame &pane = m_panes[static_cast<std::size_t>(digit)].emplace(box);

        for (int bit : flags::bitsOfDigit(digit)) {
            const flags::Flag &flag = flags::flagAt(bit);
            auto &check
                = stacked(add<CheckBox>(core::objectName("chkflag", bit), toWide(flag.name)),
                          def::chkflagTabIndex(bit));
            check.setGeometry(def::chkflagRect(bit));
            pane.addControl(check);
            m_toolTips->add(check.handle(), toWide(core::flagToolTip(bit)));
            m_flagBoxes[static_cast<std::size_t>(bit)] = &check;

            auto &description = stacked(
                add<Label>(core::objectName("lblDescription", bit), toWide(flag.description)),
                def::lblDescriptionTabIndex(bit));
            description.setGeometry(def::lblDescriptionRect(bit));
            pane.addControl(description);
        }
    }
}

void MainWindow::stackInTabOrder()
{
    std::stable_sort(m_stacking.begin(), m_stacking.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    HWND previous = HWND_TOP;
    for (const auto &[rank, window] : m_stacking) {
        SetWindowPos(window, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = window;
    }
    m_stacking.clear();
}

void MainWindow::connectHandlers()
{
    for (int bit = 0; bit < flags::flagCount; ++bit) {
        m_flagBoxes[static_cast<std::size_t>(bit)]->onClick = [this, bit] {
            m_behaviour.flagClicked(bit);
        };
    }
    m_resetButton->onClick = [this] {
        m_behaviour.resetFlags();
    };
    m_paneList->onClick = [this] {
        m_behaviour.paneListClicked();
    };
}

void MainWindow::applyFonts()
{
    m_dialogFont = dialogFont(def::dialogFontPointSize, m_dpi);
    // Century Gothic where Windows has it; URW Gothic, which shares its
    // metrics, where the fonts are a Linux system's (Wine).
    m_outputFont
        = firstInstalledFont({L"Century Gothic", L"URW Gothic"}, def::outputFontPointSize, m_dpi);
    for (const auto &control : controls())
        control->setFont(control.get() == m_output ? m_outputFont.get() : m_dialogFont.get());
}

void MainWindow::placeControls()
{
    m_paneList->place({0, 0}, m_dpi);
    for (Rule *line : m_windowRules)
        line->place({0, 0}, m_dpi);
    for (auto &pane : m_panes)
        pane->place(m_dpi);
}

void MainWindow::applyDpi(core::Dpi dpi)
{
    m_dpi = dpi;
    applyFonts();
    placeControls();
    if (m_clientSize.width > 0)
        setClientSize(m_clientSize);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Esc in the window: the reset button is the window's cancel button,
        // while it shows.
        if (LOWORD(wParam) == IDCANCEL) {
            if (IsWindowVisible(m_resetButton->handle()))
                m_resetButton->click();
            return 0;
        }
        if (LOWORD(wParam) == IDOK)
            return 0;
        break;
    case WM_DPICHANGED:
        applyDpi(core::Dpi{HIWORD(wParam)});
        if (const auto *suggested = reinterpret_cast<const RECT *>(lParam))
            SetWindowPos(handle(), nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    case WM_DESTROY:
        // The window's end is the program's.
        win32::endProgram();
        return 0;
    default:
        break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

void MainWindow::menuCommand(int id)
{
    if (const core::MenuItem *item = m_menuBar.item(id))
        m_behaviour.run(*item);
}

flags::CheckState MainWindow::flag(int bit) const
{
    return m_flagBoxes.at(static_cast<std::size_t>(bit))->value();
}

void MainWindow::setFlag(int bit, flags::CheckState state)
{
    m_flagBoxes.at(static_cast<std::size_t>(bit))->setValue(state);
}

void MainWindow::setOutputText(std::string_view text)
{
    m_output->setText(toWide(text));
}

std::string MainWindow::outputText() const
{
    return toUtf8(m_output->text());
}

void MainWindow::setCommandEnabled(core::Command command, bool enabled)
{
    if (const core::MenuItem *item = m_menuBar.itemOf(command))
        m_menuBar.setEnabled(*item, enabled);
}

std::optional<std::string> MainWindow::clipboardText() const
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(handle()))
        return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *chars = static_cast<const wchar_t *>(GlobalLock(data))) {
            // The text ends at its first NUL, or where its memory does.
            const std::size_t room = GlobalSize(data) / sizeof(wchar_t);
            text = toUtf8(std::wstring_view(chars, wcsnlen(chars, room)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void MainWindow::setClipboardText(std::string_view text)
{
    const std::wstring wide = toWide(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!data)
        return;
    std::memcpy(GlobalLock(data), wide.c_str(), bytes);
    GlobalUnlock(data);
    if (OpenClipboard(handle())) {
        EmptyClipboard();
        // The clipboard owns the memory once it takes it.
        if (SetClipboardData(CF_UNICODETEXT, data))
            data = nullptr;
        CloseClipboard();
    }
    if (data)
        GlobalFree(data);
}

void MainWindow::showMessage(std::string_view message, std::string_view title)
{
    MessageBoxW(handle(), toWide(message).c_str(), toWide(title).c_str(), MB_OK | MB_ICONWARNING);
}

std::optional<std::string> MainWindow::askForValue()
{
    if (!m_valueDialog)
        m_valueDialog = std::make_unique<ValueDialog>();
    return m_valueDialog->ask(handle());
}

void MainWindow::setPaneVisible(int pane, bool visible)
{
    m_panes.at(static_cast<std::size_t>(pane))->setVisible(visible);
    repaintLater();
}

void MainWindow::movePane(int pane, core::TwipsPoint position)
{
    m_panes.at(static_cast<std::size_t>(pane))->move(position, m_dpi);
    repaintLater();
}

void MainWindow::repaintLater()
{
    // Frames draw no background of their own: where a pane or the list was,
    // the window must paint again, beneath the controls that moved.
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

core::TwipsSize MainWindow::paneSize(int pane) const
{
    return m_panes.at(static_cast<std::size_t>(pane))->size();
}

void MainWindow::setPaneItemChecked(int pane, bool checked)
{
    m_menuBar.setChecked(core::menuItem("mnuPane", pane), checked);
}

void MainWindow::setViewItemChecked(core::ViewMode mode, bool checked)
{
    m_menuBar.setChecked(
        core::menuItem(mode == core::ViewMode::Single ? "mnuViewSingle" : "mnuViewWide"), checked);
}

void MainWindow::setListVisible(bool visible)
{
    m_paneList->setVisible(visible);
}

core::PaneIndex MainWindow::listIndex() const
{
    return core::paneIndex(m_paneList->listIndex());
}

void MainWindow::setClientSize(core::TwipsSize size)
{
    m_clientSize = size;
    const SIZE client{core::toPixels(size.width, m_dpi), core::toPixels(size.height, m_dpi)};
    SIZE outer = windowSizeForClient(client, windowStyle, windowExtendedStyle, true, m_dpi);
    SetWindowPos(handle(), nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps onto a second line takes from the client area:
    // make up for whatever the window got short.
    RECT actual;
    GetClientRect(handle(), &actual);
    const int missingWidth = client.cx - (actual.right - actual.left);
    const int missingHeight = client.cy - (actual.bottom - actual.top);
    if (missingWidth || missingHeight)
        SetWindowPos(handle(), nullptr, 0, 0, outer.cx + missingWidth, outer.cy + missingHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

core::Answer MainWindow::ask(std::string_view message, std::string_view title)
{
    return askQuestion(handle(), message, title);
}

void MainWindow::showAboutWindow()
{
    if (!m_aboutWindow)
        m_aboutWindow = std::make_unique<AboutWindow>();
    m_aboutWindow->showModal(handle());
}

void MainWindow::endProgram()
{
    win32::endProgram();
}

} // namespace bitloom::win32
