// The tooltips of a window's controls: one tooltip control, owned by the
// window, which shows a control's text while the mouse rests on it. The
// window destroys it with itself.
#pragma once

#include <windows.h>

#include <string_view>

namespace bitloom::win32 {

class ToolTips {
public:
    explicit ToolTips(HWND owner);
    ToolTips(const ToolTips &) = delete;
    ToolTips &operator=(const ToolTips &) = delete;

    HWND handle() const { return m_handle; }

    // Gives one of the owner's controls its tooltip.
    void add(HWND control, std::string_view text);

private:
    HWND m_owner;
    HWND m_handle;
};

} // namespace bitloom::win32
