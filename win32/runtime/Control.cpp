#include "Control.h"

namespace bitloom::win32 {

Control::Control(HWND parent, int id, std::string name, ControlStyle style, std::wstring_view text)
    : m_id(id)
    , m_name(std::move(name))
{
    const std::wstring caption(text);
    m_handle = CreateWindowExW(style.extendedStyle, style.windowClass, caption.c_str(),
                               WS_CHILD | style.style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
}

void Control::place(POINT origin, core::Dpi dpi)
{
    const int left = origin.x + core::toPixels(m_geometry.left, dpi);
    const int top = origin.y + core::toPixels(m_geometry.top, dpi);
    SetWindowPos(m_handle, nullptr, left, top, core::toPixels(m_geometry.width, dpi),
                 core::toPixels(m_geometry.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::setVisible(bool visible)
{
    ShowWindow(m_handle, visible ? SW_SHOWNA : SW_HIDE);
}

bool Control::isVisible() const
{
    return (GetWindowLongPtrW(m_handle, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::setText(std::wstring_view text)
{
    const std::wstring copy(text);
    SetWindowTextW(m_handle, copy.c_str());
}

std::wstring Control::text() const
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(m_handle)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(m_handle, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Control::setFont(HFONT font)
{
    SendMessageW(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HFONT Control::font() const
{
    return reinterpret_cast<HFONT>(SendMessageW(m_handle, WM_GETFONT, 0, 0));
}

void Control::notify(WORD) {}

} // namespace bitloom::win32
