#include "AboutWindow.h"

#include "core/AboutCaption.h"
#include "core/AboutWindowDefinition.h"
#include "core/MainWindowDefinition.h"
#include "core/ProgramVersion.h"
#include "win32/runtime/Dpi.h"
#include "win32/runtime/Fonts.h"
#include "win32/runtime/Program.h"
#include "win32/runtime/Text.h"

namespace bitloom::win32 {

namespace def = core::aboutWindow;

namespace {

// A fixed tool window: small title bar with a close box, no icon, no
// minimise or maximise button, no taskbar button.
constexpr DWORD windowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD windowExtendedStyle = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

} // namespace

void AboutWindow::showModal(HWND owner)
{
    load(owner);
    runModal(owner, findControl("Command1")->handle());
}

void AboutWindow::load(HWND owner)
{
    ++m_loads;
    create({L"BitloomAboutWindow", nullptr}, windowStyle, windowExtendedStyle,
           toWide(core::aboutCaption(core::programVersion)), owner, nullptr);

    // The button first: it has the focus when the window opens.
    auto &button = add<PushButton>("Command1", toWide(def::command1Caption), true);
    button.setGeometry(def::command1);
    button.onClick = [this] {
        close();
    };
    add<LockedEdit>("txtAbout", toWide(def::aboutText), LockedEdit::Lines::Many)
        .setGeometry(def::txtAbout);

    m_font = dialogFont(core::mainWindow::dialogFontPointSize, dpi());
    showControls(m_font.get());
    placeOver(owner, def::clientSize, windowStyle, windowExtendedStyle);
}

void AboutWindow::close()
{
    destroy();
}

LRESULT AboutWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        close();
        return 0;
    default:
        break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

void AboutWindow::menuCommand(int id)
{
    // Enter and Esc: the button is both the default and the cancel button.
    if (id == IDOK || id == IDCANCEL)
        close();
}

} // namespace bitloom::win32
