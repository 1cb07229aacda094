#include "Control.h"

#include "text/Utf16.h"

#include <map>
#include <string>

namespace bitloom::win32 {

namespace {

// The class a control is made of. Windows looks a class name up in the
// program's manifest at every creation, to find the common controls' version
// it names, and under Wine that look-up costs more than the rest of the
// creation: the class found once serves for every control of its kind.
LPCWSTR windowClass(const wchar_t *name)
{
    static std::map<std::wstring, ATOM, std::less<>> atoms;
    auto found = atoms.find(name);
    if (found == atoms.end()) {
        WNDCLASSEXW info{};
        info.cbSize = sizeof info;
        found = atoms
                    .emplace(name, static_cast<ATOM>(
                                       GetClassInfoExW(GetModuleHandleW(nullptr), name, &info)))
                    .first;
    }
    return found->second ? MAKEINTATOM(found->second) : name;
}

} // namespace

Control::Control(HWND parent, int id, std::string name, const Placement &where, ControlStyle style,
                 std::string_view text)
    : m_id(id)
    , m_name(std::move(name))
    , m_geometry(where.geometry)
    , m_placed(pixelRect(where.origin, where.dpi))
{
    // Created where it belongs, in its font, shown or not: a window being
    // built pays for each control once.
    const std::wstring caption = text::wideFromUtf8(text);
    const DWORD visible = where.visible ? DWORD{WS_VISIBLE} : 0;
    const DWORD group = where.startsGroup ? DWORD{WS_GROUP} : 0;
    m_handle = CreateWindowExW(
        style.extendedStyle, windowClass(style.windowClass), caption.c_str(),
        WS_CHILD | style.style | visible | group, m_placed.left, m_placed.top,
        m_placed.right - m_placed.left, m_placed.bottom - m_placed.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (where.font)
        SendMessageW(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(where.font), FALSE);
}

RECT Control::pixelRect(POINT origin, core::Dpi dpi) const
{
    const int left = origin.x + core::toPixels(m_geometry.left, dpi);
    const int top = origin.y + core::toPixels(m_geometry.top, dpi);
    return {left, top, left + core::toPixels(m_geometry.width, dpi),
            top + core::toPixels(m_geometry.height, dpi)};
}

void Control::place(POINT origin, core::Dpi dpi)
{
    const RECT rect = pixelRect(origin, dpi);
    if (EqualRect(&rect, &m_placed))
        return;
    m_placed = rect;
    SetWindowPos(m_handle, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::setVisible(bool visible)
{
    if (visible != isVisible())
        ShowWindow(m_handle, visible ? SW_SHOWNA : SW_HIDE);
}

bool Control::isVisible() const
{
    return (GetWindowLongPtrW(m_handle, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::setText(std::string_view text)
{
    SetWindowTextW(m_handle, text::wideFromUtf8(text).c_str());
}

std::string Control::text() const
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(m_handle)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(m_handle, text.data(), static_cast<int>(text.size()))));
    return text::utf8FromWide(text);
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

std::optional<LRESULT> Control::reflect(UINT, WPARAM, LPARAM)
{
    return std::nullopt;
}

} // namespace bitloom::win32
