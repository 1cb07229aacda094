// A captioned frame that holds controls: they move and hide with it. The
// controls are children of the window itself, not of the frame, so that Tab
// can run through several frames in the window's own order. A frame has its
// place and its visibility before its box and controls are made: a window
// makes the frames it does not show yet after its first frame, where they
// stand by then.
#pragma once

#include "Controls.h"

#include <vector>

namespace bitloom::win32 {

class Frame {
public:
    explicit Frame(const core::TwipsRect &geometry = {}, bool visible = false);

    // Its place within the window, in twips.
    const core::TwipsRect &geometry() const { return m_geometry; }
    // The frame's box, made at the frame's place and shown as the frame is.
    void setBox(GroupBox &box);
    // Its controls' geometry is relative to the frame's top-left corner.
    void addControl(Control &control);

    // Its top-left corner in the window's client area, in pixels.
    POINT origin(core::Dpi dpi) const;
    core::TwipsSize size() const;
    void move(core::TwipsPoint position, core::Dpi dpi);
    // Places the frame and its controls again, at a new resolution.
    void place(core::Dpi dpi);

    void setVisible(bool visible);
    bool isVisible() const { return m_visible; }

private:
    core::TwipsRect m_geometry;
    bool m_visible;
    GroupBox *m_box = nullptr;
    std::vector<Control *> m_controls;
};

} // namespace bitloom::win32
