// A captioned frame that holds controls: they move and hide with it. The
// controls are children of the window itself, not of the frame, so that Tab
// can run through several frames in the window's own order.
#pragma once

#include "Controls.h"

#include <vector>

namespace bitloom::win32 {

class Frame {
public:
    explicit Frame(GroupBox &box);

    GroupBox &box() const { return m_box; }
    // Its controls' geometry is relative to the frame's top-left corner.
    void addControl(Control &control);

    core::TwipsPoint position() const;
    // Its top-left corner in the window's client area, in pixels.
    POINT origin(core::Dpi dpi) const;
    core::TwipsSize size() const;
    void move(core::TwipsPoint position, core::Dpi dpi);
    // Places the frame and its controls again, at a new resolution.
    void place(core::Dpi dpi);

    void setVisible(bool visible);
    bool isVisible() const;

private:
    GroupBox &m_box;
    std::vector<Control *> m_controls;
};

} // namespace bitloom::win32
