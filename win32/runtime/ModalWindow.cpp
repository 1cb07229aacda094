#include "ModalWindow.h"

#include "Dpi.h"
#include "Fonts.h"
#include "Program.h"
#include "core/MainWindowDefinition.h"

namespace bitloom::win32 {

SIZE ModalWindow::outerSize(core::Dpi dpi) const
{
    return windowSizeForClient(
        {core::toPixels(m_frame.client.width, dpi), core::toPixels(m_frame.client.height, dpi)},
        m_frame.style, m_frame.extendedStyle, false, dpi);
}

void ModalWindow::open(Window &owner, std::string_view title)
{
    m_owner = &owner;
    const core::Dpi dpi = owner.layoutDpi();
    m_font = dialogFont(core::mainWindow::dialogFontPointSize, dpi);
    // Born over its owner, so on the owner's monitor, at its resolution.
    const SIZE outer = outerSize(dpi);
    RECT ownerRect;
    GetWindowRect(owner.handle(), &ownerRect);
    const LONG left = (ownerRect.left + ownerRect.right - outer.cx) / 2;
    const LONG top = (ownerRect.top + ownerRect.bottom - outer.cy) / 2;
    create(m_frame.windowClass, m_frame.style, m_frame.extendedStyle, title, owner.handle(),
           nullptr, {POINT{left, top}, outer}, dpi);
    fitClientArea();
}

void ModalWindow::fitClientArea()
{
    setClientPixels({core::toPixels(m_frame.client.width, layoutDpi()),
                     core::toPixels(m_frame.client.height, layoutDpi())},
                    m_frame.style, m_frame.extendedStyle);
}

Placement ModalWindow::placement(const core::TwipsRect &rect) const
{
    return {rect, {0, 0}, layoutDpi(), true, m_font.get()};
}

void ModalWindow::runModal(HWND focus)
{
    const HWND owner = m_owner->handle();
    handleKeyboardOf(handle());
    // Disabling the owner may take the focus from its control.
    m_owner->rememberFocus();
    EnableWindow(owner, FALSE);
    ShowWindow(handle(), SW_SHOWNORMAL);
    SetFocus(focus);
    runModalLoop([this] { return handle() == nullptr; });
    EnableWindow(owner, TRUE);
    if (!programHasEnded())
        SetActiveWindow(owner);
}

void ModalWindow::close()
{
    if (m_owner)
        EnableWindow(m_owner->handle(), TRUE);
    destroy();
}

LRESULT ModalWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DPICHANGED) {
        applyDpi(core::Dpi{HIWORD(wParam)}, *reinterpret_cast<const RECT *>(lParam));
        return 0;
    }
    return Window::handleMessage(message, wParam, lParam);
}

void ModalWindow::applyDpi(core::Dpi dpi, const RECT &suggested)
{
    setLayoutDpi(dpi);
    // The controls take the new font before the old one goes.
    UniqueFont font = dialogFont(core::mainWindow::dialogFontPointSize, dpi);
    for (const auto &control : controls()) {
        control->setFont(font.get());
        control->place({0, 0}, dpi);
    }
    m_font = std::move(font);
    SetWindowPos(handle(), nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    fitClientArea();
}

} // namespace bitloom::win32
