#include "ToolTips.h"

#include "text/Utf16.h"

#include <commctrl.h>

#include <string>

namespace bitloom::win32 {

ToolTips::ToolTips(HWND owner)
    : m_owner(owner)
{
    // The tooltip class comes with the common controls' tab classes.
    static const bool registered = [] {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    (void)registered;
    // Shown over an inactive window too; an ampersand is a character.
    m_handle = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
}

void ToolTips::add(HWND control, std::string_view text)
{
    // The control keeps its own copy of the text.
    std::wstring copy = text::wideFromUtf8(text);
    TTTOOLINFOW tool{};
    // The size that every version of the common controls takes.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    // The tool is the control's whole window, whose mouse messages the
    // tooltip watches itself.
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = copy.data();
    SendMessageW(m_handle, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace bitloom::win32
