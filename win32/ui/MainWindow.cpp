#include "MainWindow.h"

#include "AboutWindow.h"
#include "ValueDialog.h"
#include "core/FlagToolTip.h"
#include "core/ObjectName.h"
#include "win32/runtime/Clipboard.h"
#include "win32/runtime/Dpi.h"
#include "win32/runtime/EventHandler.h"
#include "win32/runtime/Fonts.h"
#include "win32/runtime/MessageBox.h"
#include "win32/runtime/Program.h"
#include "win32/runtime/QuestionBox.h"
#include "win32/runtime/RulePainting.h"

namespace bitloom::win32 {

namespace def = core::mainWindow;
using core::mainWindow::ControlKind;

namespace {

constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD windowExtendedStyle = WS_EX_CONTROLPARENT;

// The order in which the controls are made, which is their z-order: first,
// in tab order, those that take the focus and the labels whose access key
// leads to them (Tab, access keys and arrow keys follow the z-order, and the
// arrows would stop on any label among them); then the other labels, the
// rules, and last the frames, drawn beneath what they hold.
enum class Layer { Keyboard, Labels, Frames };

bool hasAccessKey(const def::ControlEntry &entry)
{
    return entry.text.find('&') != std::string_view::npos;
}

Layer layerOf(const def::ControlEntry &entry)
{
    switch (entry.kind) {
    case ControlKind::Frame:
        return Layer::Frames;
    case ControlKind::Label:
        return hasAccessKey(entry) ? Layer::Keyboard : Layer::Labels;
    default:
        return Layer::Keyboard;
    }
}

// The arrow keys move within a group: the list and the output box keep them
// for themselves; each digit pane's boxes are one group, the reset button
// and the last box, which follow in tab order, joining the last pane's.
bool startsGroup(const def::ControlEntry &entry)
{
    switch (entry.kind) {
    case ControlKind::List:
    case ControlKind::OutputBox:
        return true;
    case ControlKind::FlagBox:
        return flags::valueInDigit(entry.index) == 1;
    default:
        return false;
    }
}

// The pane a control belongs to: a frame is its own pane; -1 for the
// window's own controls.
int paneOf(const def::ControlEntry &entry)
{
    return entry.kind == ControlKind::Frame ? entry.index : entry.pane;
}

// The first frame needs the list and the summary pane; the digit panes,
// hidden at first, come after it.
MainWindow::Stage stageOf(const def::ControlEntry &entry)
{
    return paneOf(entry) <= 0 ? MainWindow::Stage::FirstFrame : MainWindow::Stage::DigitPanes;
}

// Each pane where the list puts it; only the summary pane shows at first.
std::array<Frame, core::paneCount> panesAtStart()
{
    std::array<Frame, core::paneCount> panes;
    for (const def::ControlEntry &entry : def::controls) {
        if (entry.kind == ControlKind::Frame)
            panes.at(static_cast<std::size_t>(entry.index)) = Frame(entry.rect, entry.index == 0);
    }
    return panes;
}

std::string objectName(const def::ControlEntry &entry)
{
    return core::objectName(entry.name, entry.index);
}

} // namespace

MainWindow::MainWindow()
    : m_panes(panesAtStart())
{
    // Made in the size of single view, in which it opens, for the resolution
    // of the monitor it most likely opens on: the load then has nothing to
    // resize, and the window no trip to the window server for it.
    const core::Dpi dpi = dpiOfWindow(nullptr);
    const SIZE outer = windowSizeForClient({core::toPixels(def::singleViewClient.width, dpi),
                                            core::toPixels(def::singleViewClient.height, dpi)},
                                           windowStyle, windowExtendedStyle, true, dpi);
    create({L"BitloomMainWindow", L"IDI_ICON1"}, windowStyle, windowExtendedStyle, def::caption,
           nullptr, m_menuBar.handle(), {std::nullopt, outer});
    applyFonts();
    buildControls(Stage::FirstFrame);
    connectHandlers();
    // What the first frame does not show, the digit panes' boxes and
    // descriptions and the boxes' tooltips, is made once it is on screen.
    whenIdle(handle(), [this] {
        buildDigitPanes();
        addToolTips();
    });

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

Frame &MainWindow::pane(int index)
{
    return m_panes.at(static_cast<std::size_t>(index));
}

const Frame &MainWindow::pane(int index) const
{
    return m_panes.at(static_cast<std::size_t>(index));
}

POINT MainWindow::paneOrigin(int index) const
{
    return index < 0 ? POINT{0, 0} : pane(index).origin(layoutDpi());
}

Placement MainWindow::placement(const def::ControlEntry &entry, bool groupStart) const
{
    // A frame is made where its pane stands by then, a pane's control within
    // it; each shows as its pane does. The list shows at first.
    const bool isFrame = entry.kind == ControlKind::Frame;
    const int index = paneOf(entry);
    const HFONT font
        = entry.kind == ControlKind::OutputBox ? m_outputFont.get() : m_dialogFont.get();
    return {isFrame ? pane(index).geometry() : entry.rect,
            isFrame ? POINT{0, 0} : paneOrigin(index),
            layoutDpi(),
            index < 0 || pane(index).isVisible(),
            font,
            groupStart};
}

Control &MainWindow::addControl(const def::ControlEntry &entry, bool groupStart)
{
    const std::string name = objectName(entry);
    const Placement where = placement(entry, groupStart);
    switch (entry.kind) {
    case ControlKind::List: {
        m_paneList = &add<ListBox>(name, where);
        // Item k names pane k: the summary, then each digit by its caption.
        m_paneList->addItem(def::summaryPane.text);
        for (int digit = 1; digit <= flags::digitCount; ++digit)
            m_paneList->addItem(flags::digitCaption(digit));
        return *m_paneList;
    }
    case ControlKind::Frame: {
        GroupBox &box = add<GroupBox>(name, where, entry.text);
        pane(entry.index).setBox(box);
        return box;
    }
    case ControlKind::Label:
        return add<Label>(name, where, entry.text,
                          hasAccessKey(entry) ? Label::AccessKey::Marked : Label::AccessKey::None);
    case ControlKind::OutputBox:
        return *(m_output = &add<LockedEdit>(name, where, entry.text, LockedEdit::Lines::One));
    case ControlKind::Button:
        return *(m_resetButton = &add<PushButton>(name, where, entry.text));
    case ControlKind::FlagBox:
        return *(m_flagBoxes[static_cast<std::size_t>(entry.index)]
                 = &add<CheckBox>(name, where, entry.text));
    }
    throw std::logic_error("unknown kind of control");
}

void MainWindow::buildControls(Stage stage)
{
    bool firstLabel = true;
    // Where the next control goes in the z-order: after the last one met.
    HWND previous = HWND_TOP;
    for (const Layer layer : {Layer::Keyboard, Layer::Labels, Layer::Frames}) {
        for (const def::ControlEntry &entry : def::controls) {
            if (layerOf(entry) != layer)
                continue;
            // The first label closes the last group of the arrow keys.
            const bool groupStart
                = layer == Layer::Labels ? std::exchange(firstLabel, false) : startsGroup(entry);
            if (stageOf(entry) != stage) {
                if (const Control *made = findControl(objectName(entry)))
                    previous = made->handle();
                continue;
            }
            Control &control = addControl(entry, groupStart);
            if (stage == Stage::DigitPanes)
                SetWindowPos(control.handle(), previous, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            previous = control.handle();
            if (entry.pane >= 0)
                pane(entry.pane).addControl(control);
        }
    }
}

void MainWindow::buildDigitPanes()
{
    if (m_digitPanesBuilt)
        return;
    m_digitPanesBuilt = true;
    buildControls(Stage::DigitPanes);
    for (int bit = 0; bit < flags::flagCount; ++bit) {
        m_flagBoxes[static_cast<std::size_t>(bit)]->onClick = [this, bit] {
            m_behaviour.flagClicked(bit);
        };
    }
}

void MainWindow::paintRules(HDC context) const
{
    for (const def::Rule &rule : def::rules) {
        if (rule.pane < 0 || pane(rule.pane).isVisible())
            paintRule(context, rule, paneOrigin(rule.pane), layoutDpi());
    }
}

void MainWindow::addToolTips()
{
    m_toolTips.emplace(handle());
    for (int bit = 0; bit < flags::flagCount; ++bit)
        m_toolTips->add(m_flagBoxes[static_cast<std::size_t>(bit)]->handle(),
                        core::flagToolTip(bit));
}

void MainWindow::connectHandlers()
{
    m_resetButton->onClick = [this] {
        m_behaviour.resetFlags();
    };
    m_paneList->onClick = [this] {
        m_behaviour.paneListClicked();
    };
}

void MainWindow::applyFonts()
{
    // Century Gothic where Windows has it; URW Gothic, which shares its
    // metrics, where the fonts are a Linux system's (Wine).
    UniqueFont dialog = dialogFont(def::dialogFontPointSize, layoutDpi());
    UniqueFont output = firstInstalledFont({def::outputFontFamily, "URW Gothic"},
                                           def::outputFontPointSize, layoutDpi());
    // Each control takes its new font before the old one is deleted.
    for (const auto &control : controls())
        control->setFont(control.get() == m_output ? output.get() : dialog.get());
    m_dialogFont = std::move(dialog);
    m_outputFont = std::move(output);
}

void MainWindow::placeControls()
{
    m_paneList->place({0, 0}, layoutDpi());
    for (Frame &frame : m_panes)
        frame.place(layoutDpi());
}

void MainWindow::applyDpi(core::Dpi dpi)
{
    setLayoutDpi(dpi);
    applyFonts();
    placeControls();
    if (m_clientSize.width > 0)
        setClientSize(m_clientSize);
    // The rules, drawn by the window, take the new resolution's widths.
    repaintLater();
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC context = BeginPaint(handle(), &paint);
        paintRules(context);
        EndPaint(handle(), &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        // A themed control that shows the window through it (a frame) draws
        // the window's background beneath it this way.
        if (lParam & PRF_CLIENT)
            paintRules(reinterpret_cast<HDC>(wParam));
        return 0;
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
    switch (id) {
    case IDCANCEL:
        // Esc: the reset button is the window's cancel button while it shows.
        // It resets as the button would, the focus staying where it is.
        if (m_resetButton->isVisible())
            m_resetButton->onClick();
        return;
    case IDOK:
        return;
    default:
        if (const core::MenuItem *item = m_menuBar.item(id))
            m_behaviour.run(*item);
    }
}

flags::CheckState MainWindow::flag(int bit) const
{
    // Until the boxes are made, none can have been ticked.
    if (!m_digitPanesBuilt)
        return flags::CheckState::Unchecked;
    return m_flagBoxes.at(static_cast<std::size_t>(bit))->value();
}

void MainWindow::setFlag(int bit, flags::CheckState state)
{
    buildDigitPanes();
    m_flagBoxes.at(static_cast<std::size_t>(bit))->setValue(state);
}

void MainWindow::setOutputText(std::string_view text)
{
    m_output->setText(text);
}

std::string MainWindow::outputText() const
{
    return m_output->text();
}

void MainWindow::setCommandEnabled(core::Command command, bool enabled)
{
    m_menuBar.setEnabled({command}, enabled);
}

// Windows' menus show no tooltips: the caption says why the item is off.
void MainWindow::setCommandCaption(core::Command command, std::string_view caption,
                                   std::string_view)
{
    m_menuBar.setCaption({command}, caption);
}

std::optional<std::string> MainWindow::clipboardText() const
{
    return win32::clipboardText(handle());
}

void MainWindow::setClipboardText(std::string_view text)
{
    win32::setClipboardText(text, handle());
}

void MainWindow::showMessage(std::string_view message, std::string_view title)
{
    messageBox(handle(), message, title, MB_OK | MB_ICONWARNING);
}

std::optional<std::string> MainWindow::askForValue()
{
    if (!m_valueDialog)
        m_valueDialog = std::make_unique<ValueDialog>();
    return m_valueDialog->ask(*this);
}

void MainWindow::setPaneVisible(int pane, bool visible)
{
    if (visible && pane > 0)
        buildDigitPanes();
    this->pane(pane).setVisible(visible);
    repaintLater();
}

void MainWindow::movePane(int pane, core::TwipsPoint position)
{
    this->pane(pane).move(position, layoutDpi());
    repaintLater();
}

void MainWindow::repaintLater()
{
    // Before the window first shows, its first frame paints it all.
    if (!IsWindowVisible(handle()))
        return;
    // Frames draw no background of their own: where a pane or the list was,
    // the window must paint again, beneath the controls that moved.
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

core::TwipsSize MainWindow::paneSize(int pane) const
{
    return this->pane(pane).size();
}

void MainWindow::setPaneItemChecked(int pane, bool checked)
{
    m_menuBar.setChecked({core::Command::ShowPane, pane}, checked);
}

void MainWindow::setViewItemChecked(core::ViewMode mode, bool checked)
{
    m_menuBar.setChecked(
        {mode == core::ViewMode::Single ? core::Command::SingleView : core::Command::WideView},
        checked);
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
    setClientPixels(
        {core::toPixels(size.width, layoutDpi()), core::toPixels(size.height, layoutDpi())},
        windowStyle, windowExtendedStyle);
}

core::Answer MainWindow::ask(std::string_view message, std::string_view title)
{
    return askQuestion(handle(), message, title);
}

void MainWindow::showAboutWindow()
{
    if (!m_aboutWindow)
        m_aboutWindow = std::make_unique<AboutWindow>();
    m_aboutWindow->showModal(*this);
}

void MainWindow::endProgram()
{
    win32::endProgram();
}

} // namespace bitloom::win32
