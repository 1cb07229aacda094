// A thin wrapper over one child window control: its name, its place in twips
// within its container, and its text, in UTF-8 like every text of the program.
// The parent window owns the control's window and destroys it; the wrapper
// lives as long as the parent's window.
#pragma once

#include "core/Twips.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace bitloom::win32 {

struct ControlStyle {
    const wchar_t *windowClass;
    DWORD style;
    DWORD extendedStyle = 0;
};

// Where and how a control is created: its rectangle in twips within its
// container, whose top-left corner is at origin (client pixels of the
// window), at that resolution; shown or not; in that font. A control that
// starts a group bounds the arrow keys: they move among the controls from one
// group's start to the next.
struct Placement {
    core::TwipsRect geometry{};
    POINT origin{};
    core::Dpi dpi = core::standardDpi;
    bool visible = true;
    HFONT font = nullptr;
    bool startsGroup = false;
};

class Control {
public:
    Control(HWND parent, int id, std::string name, const Placement &where, ControlStyle style,
            std::string_view text);
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
    // at origin (client pixels of the window); nothing when it is there.
    void place(POINT origin, core::Dpi dpi);

    void setVisible(bool visible);
    // The control's own visibility, whether or not its window is shown.
    bool isVisible() const;

    void setText(std::string_view text);
    std::string text() const;
    // Gives the control a font, which must outlive its use there.
    void setFont(HFONT font);
    HFONT font() const;

    // Whether Enter in the window presses it.
    virtual bool isDefaultButton() const { return false; }

    // A notification (WM_COMMAND) from the control to its parent.
    virtual void notify(WORD code);
    // A message the parent gets about the control (WM_CTLCOLORSTATIC...),
    // handed back to it; nothing when the parent's default will do.
    virtual std::optional<LRESULT> reflect(UINT message, WPARAM wParam, LPARAM lParam);

private:
    // The control's rectangle in the window's client area, in pixels.
    RECT pixelRect(POINT origin, core::Dpi dpi) const;

    HWND m_handle = nullptr;
    int m_id;
    std::string m_name;
    core::TwipsRect m_geometry{};
    RECT m_placed{};
};

} // namespace bitloom::win32
