#include "AboutWindow.h"

#include "core/AboutCaption.h"
#include "core/AboutWindowDefinition.h"
#include "core/ProgramVersion.h"
#include "win32/runtime/Controls.h"

namespace bitloom::win32 {

namespace def = core::aboutWindow;

// A fixed tool window: small title bar with a close box, no icon, no
// minimise or maximise button, no taskbar button.
AboutWindow::AboutWindow()
    : ModalWindow({{L"BitloomAboutWindow", nullptr},
                   WS_POPUP | WS_CAPTION | WS_SYSMENU,
                   WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
                   def::clientSize})
{
}

void AboutWindow::showModal(Window &owner)
{
    ++m_loads;
    open(owner, core::aboutCaption(core::programVersion));
    // The button first: it has the focus when the window opens.
    auto &button
        = add<PushButton>("Command1", placement(def::closeButton), def::closeButtonCaption, true);
    button.onClick = [this] {
        close();
    };
    add<LockedEdit>("txtAbout", placement(def::textBox), def::aboutText, LockedEdit::Lines::Many);
    runModal(button.handle());
}

LRESULT AboutWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        close();
        return 0;
    }
    return ModalWindow::handleMessage(message, wParam, lParam);
}

void AboutWindow::menuCommand(int id)
{
    // Enter and Esc: the button is both the default and the cancel button.
    if (id == IDOK || id == IDCANCEL)
        close();
}

} // namespace bitloom::win32
