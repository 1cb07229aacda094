#include "Window.h"

#include "Dpi.h"
#include "EventHandler.h"
#include "Program.h"
#include "text/Utf16.h"

namespace bitloom::win32 {

namespace {

// Control ids start above the dialog command ids (IDOK, IDCANCEL...).
constexpr int firstControlId = 100;

void registerClass(const wchar_t *name, const wchar_t *icon, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &windowClass))
        return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    if (icon) {
        // Both sizes from the icon's own images: the title bar's small one
        // is drawn as designed, not scaled down from the large one each time.
        const HINSTANCE program = GetModuleHandleW(nullptr);
        windowClass.hIcon = LoadIconW(program, icon);
        windowClass.hIconSm = static_cast<HICON>(
            LoadImageW(program, icon, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                       GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    }
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

bool canTakeFocus(HWND window, HWND control)
{
    return control && IsWindow(control) && IsChild(window, control) && IsWindowVisible(control)
           && IsWindowEnabled(control);
}

} // namespace

Window::~Window()
{
    destroy();
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
                    std::string_view title, HWND owner, HMENU menu, const Bounds &bounds,
                    core::Dpi dpi)
{
    registerClass(windowClass.name, windowClass.icon, &Window::procedure);
    const std::wstring caption = text::wideFromUtf8(title);
    const POINT position = bounds.position.value_or(POINT{CW_USEDEFAULT, CW_USEDEFAULT});
    const SIZE size = bounds.size.value_or(SIZE{CW_USEDEFAULT, CW_USEDEFAULT});
    m_lastFocus = nullptr;
    m_handle = CreateWindowExW(extendedStyle, windowClass.name, caption.c_str(), style, position.x,
                               position.y, size.cx, size.cy, owner, menu, GetModuleHandleW(nullptr),
                               this);
    m_dpi = dpi.value ? dpi : dpiOfWindow(m_handle);
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

void Window::rememberFocus()
{
    const HWND focus = GetFocus();
    if (m_handle && focus && IsChild(m_handle, focus))
        m_lastFocus = focus;
}

void Window::restoreFocus()
{
    // Back where it was; else, as at the start, on the first control in tab
    // order that can take it.
    if (canTakeFocus(m_handle, m_lastFocus))
        SetFocus(m_lastFocus);
    else if (const HWND first = GetNextDlgTabItem(m_handle, nullptr, FALSE))
        SetFocus(first);
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const HWND focus = GetFocus();
        if (lParam) {
            if (Control *control = controlWithId(LOWORD(wParam))) {
                const WORD code = HIWORD(wParam);
                runHandler([control, code] { control->notify(code); });
            }
        } else {
            const int id = LOWORD(wParam);
            runHandler([this, id] { menuCommand(id); });
        }
        keepFocusVisible(focus);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        if (Control *control = controlWithHandle(reinterpret_cast<HWND>(lParam))) {
            if (const auto result = control->reflect(message, wParam, lParam))
                return *result;
        }
        break;
    case WM_NEXTDLGCTL:
        // What a dialog does when Tab or an access key moves the focus; this
        // window is not a dialog, so it does it itself.
        moveFocus(LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                 : GetNextDlgTabItem(m_handle, GetFocus(), wParam != 0));
        return 0;
    case DM_GETDEFID:
        // A multi-line edit box asks which button Enter presses. (Asking the
        // controls with WM_GETDLGCODE would ask that edit box again.)
        for (const auto &control : m_controls) {
            if (control->isDefaultButton())
                return MAKELRESULT(control->id(), DC_HASDEFID);
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            rememberFocus();
        } else if (!HIWORD(wParam)) {
            // Windows would give the focus to the bare window.
            restoreFocus();
            return 0;
        }
        break;
    case WM_SETFOCUS: {
        // A control that hid took the focus with it: the command that hid
        // it hands it on once it is done (keepFocusVisible).
        const auto previous = reinterpret_cast<HWND>(wParam);
        const bool hidden = previous && IsChild(m_handle, previous) && !IsWindowVisible(previous);
        if (!hidden && !IsIconic(m_handle))
            restoreFocus();
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(m_handle, message, wParam, lParam);
}

void Window::menuCommand(int) {}

void Window::setClientPixels(SIZE client, DWORD style, DWORD extendedStyle)
{
    // Each move of a top-level window is a trip to the window server.
    RECT current;
    GetClientRect(m_handle, &current);
    if (current.right - current.left == client.cx && current.bottom - current.top == client.cy)
        return;
    const SIZE outer
        = windowSizeForClient(client, style, extendedStyle, GetMenu(m_handle) != nullptr, m_dpi);
    SetWindowPos(m_handle, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT actual;
    GetClientRect(m_handle, &actual);
    const int missingWidth = client.cx - (actual.right - actual.left);
    const int missingHeight = client.cy - (actual.bottom - actual.top);
    if (missingWidth || missingHeight)
        SetWindowPos(m_handle, nullptr, 0, 0, outer.cx + missingWidth, outer.cy + missingHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::moveFocus(HWND control)
{
    if (!control)
        return;
    SetFocus(control);
    // An edit box reached by the keyboard has its whole text selected.
    if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageW(control, EM_SETSEL, 0, -1);
}

void Window::keepFocusVisible(HWND focusBefore)
{
    // A control that hid while it had the focus: Windows hands the focus to
    // the bare window, where keys reach nothing. Once the command is done it
    // goes back to that control if it shows again, or on to the next control
    // in tab order that shows, as Tab would take it.
    if (!m_handle || GetActiveWindow() != m_handle || canTakeFocus(m_handle, GetFocus())
        || !focusBefore || !IsChild(m_handle, focusBefore))
        return;
    if (canTakeFocus(m_handle, focusBefore)) {
        SetFocus(focusBefore);
        return;
    }
    const HWND next = GetNextDlgTabItem(m_handle, focusBefore, FALSE);
    if (canTakeFocus(m_handle, next))
        moveFocus(next);
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

Control *Window::controlWithHandle(HWND control) const
{
    Control *found = controlWithId(GetDlgCtrlID(control));
    return found && found->handle() == control ? found : nullptr;
}

} // namespace bitloom::win32
