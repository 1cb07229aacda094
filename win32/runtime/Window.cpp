#include "Window.h"

#include "Controls.h"
#include "Dpi.h"
#include "EventHandler.h"
#include "Program.h"

namespace bitloom::win32 {

namespace {

// Control ids start above the dialog command ids (IDOK, IDCANCEL...).
constexpr int firstControlId = 100;

void registerClass(const wchar_t *name, HICON icon, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &windowClass))
        return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

} // namespace

Window::~Window()
{
    destroy();
}

core::Dpi Window::dpi() const
{
    return dpiOfWindow(m_handle);
}

Control *Window::findControl(std::string_view name) const
{
    for (const auto &control : m_controls) {
        if (control->name() == name)
            return control.get();
    }
    return nullptr;
}

void Window::create(const Class &windowClass, DWORD style, DWORD extendedStyle,
                    std::wstring_view title, HWND owner, HMENU menu)
{
    registerClass(windowClass.name, windowClass.icon, &Window::procedure);
    const std::wstring caption(title);
    m_handle = CreateWindowExW(extendedStyle, windowClass.name, caption.c_str(), style,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                               menu, GetModuleHandleW(nullptr), this);
}

void Window::destroy()
{
    if (!m_handle)
        return;
    HWND window = m_handle;
    forgetKeyboardOf(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    m_handle = nullptr;
    DestroyWindow(window);
    m_controls.clear();
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CTLCOLORSTATIC) {
        // Windows greys a read-only edit box; a locked one keeps the colours
        // of an edit box, as it can still be selected and copied from.
        const auto *control = controlWithId(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
        if (dynamic_cast<const LockedEdit *>(control)) {
            const auto context = reinterpret_cast<HDC>(wParam);
            SetTextColor(context, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(context, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
    }
    switch (message) {
    case WM_COMMAND:
        if (lParam) {
            if (Control *control = controlWithId(LOWORD(wParam))) {
                const WORD code = HIWORD(wParam);
                runHandler([control, code] { control->notify(code); });
            }
        } else {
            const int id = LOWORD(wParam);
            runHandler([this, id] { menuCommand(id); });
        }
        keepFocusVisible();
        return 0;
    case WM_NEXTDLGCTL:
        // What a dialog does when Tab or an access key moves the focus; this
        // window is not a dialog, so it does it itself.
        moveFocus(LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                 : GetNextDlgTabItem(m_handle, GetFocus(), wParam != 0));
        return 0;
    default:
        return DefWindowProcW(m_handle, message, wParam, lParam);
    }
}

void Window::menuCommand(int) {}

void Window::moveFocus(HWND control)
{
    if (!control)
        return;
    SetFocus(control);
    // An edit box reached by the keyboard has its whole text selected.
    if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageW(control, EM_SETSEL, 0, -1);
}

void Window::showControls(HFONT font)
{
    const core::Dpi resolution = dpi();
    for (const auto &control : m_controls) {
        control->setFont(font);
        control->place({0, 0}, resolution);
        control->setVisible(true);
    }
}

void Window::placeOver(HWND owner, core::TwipsSize client, DWORD style, DWORD extendedStyle)
{
    const core::Dpi resolution = dpi();
    const SIZE outer = windowSizeForClient(
        {core::toPixels(client.width, resolution), core::toPixels(client.height, resolution)},
        style, extendedStyle, false, resolution);
    RECT ownerRect;
    GetWindowRect(owner, &ownerRect);
    const int left = (ownerRect.left + ownerRect.right - outer.cx) / 2;
    const int top = (ownerRect.top + ownerRect.bottom - outer.cy) / 2;
    SetWindowPos(m_handle, nullptr, left, top, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::runModal(HWND owner, HWND focus)
{
    handleKeyboardOf(m_handle);
    EnableWindow(owner, FALSE);
    ShowWindow(m_handle, SW_SHOWNORMAL);
    SetFocus(focus);
    runModalLoop([this] { return m_handle == nullptr; });
    EnableWindow(owner, TRUE);
    if (!programHasEnded())
        SetActiveWindow(owner);
}

void Window::keepFocusVisible()
{
    // A control that an event hid keeps Windows' focus, but cannot be used:
    // the focus goes on to the next control that shows.
    const HWND focus = GetFocus();
    if (!m_handle || !focus || !IsChild(m_handle, focus) || IsWindowVisible(focus))
        return;
    const HWND next = GetNextDlgTabItem(m_handle, focus, FALSE);
    SetFocus(next && IsWindowVisible(next) ? next : m_handle);
}

LRESULT CALLBACK Window::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self
            = static_cast<Window *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->m_handle = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<Window *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY && self) {
        // Destroyed by Windows (its owner went, or DefWindowProc on close).
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_handle = nullptr;
        self->m_controls.clear();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (!self || programHasEnded())
        return DefWindowProcW(window, message, wParam, lParam);
    return self->handleMessage(message, wParam, lParam);
}

int Window::nextControlId() const
{
    return firstControlId + static_cast<int>(m_controls.size());
}

Control *Window::controlWithId(int id) const
{
    const int index = id - firstControlId;
    if (index < 0 || index >= static_cast<int>(m_controls.size()))
        return nullptr;
    return m_controls[static_cast<std::size_t>(index)].get();
}

} // namespace bitloom::win32
