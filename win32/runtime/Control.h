// A thin wrapper over one child window control: its name, its place in twips
// within its container, and its text. The parent window owns the control's
// window and destroys it; the wrapper lives as long as the parent's window.
#pragma once

#include "core/Twips.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace bitloom::win32 {

struct ControlStyle {
    const wchar_t *windowClass;
    DWORD style;
    DWORD extendedStyle = 0;
};

class Control {
public:
    Control(HWND parent, int id, std::string name, ControlStyle style, std::wstring_view text);
    virtual ~Control() = default;
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    HWND handle() const { return m_handle; }
    int id() const { return m_id; }
    const std::string &name() const { return m_name; }

    // The place within the container, in twips; place() applies it.
    void setGeometry(const core::TwipsRect &rect) { m_geometry = rect; }
    const core::TwipsRect &geometry() const { return m_geometry; }
    // Moves the control to its geometry, the container's top-left corner being
    // at origin (client pixels of the window).
    virtual void place(POINT origin, core::Dpi dpi);

    void setVisible(bool visible);
    // The control's own visibility, whether or not its window is shown.
    bool isVisible() const;

    void setText(std::wstring_view text);
    std::wstring text() const;
    void setFont(HFONT font);
    HFONT font() const;

    // A notification (WM_COMMAND) from the control to its parent.
    virtual void notify(WORD code);

private:
    HWND m_handle = nullptr;
    int m_id;
    std::string m_name;
    core::TwipsRect m_geometry{};
};

} // namespace bitloom::win32
