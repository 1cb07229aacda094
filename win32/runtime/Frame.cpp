#include "Frame.h"

namespace bitloom::win32 {

Frame::Frame(const core::TwipsRect &geometry, bool visible)
    : m_geometry(geometry)
    , m_visible(visible)
{
}

void Frame::setBox(GroupBox &box)
{
    m_box = &box;
}

void Frame::addControl(Control &control)
{
    m_controls.push_back(&control);
}

core::TwipsSize Frame::size() const
{
    return {m_geometry.width, m_geometry.height};
}

void Frame::move(core::TwipsPoint position, core::Dpi dpi)
{
    m_geometry.left = position.x;
    m_geometry.top = position.y;
    if (m_box)
        m_box->setGeometry(m_geometry);
    place(dpi);
}

POINT Frame::origin(core::Dpi dpi) const
{
    return {core::toPixels(m_geometry.left, dpi), core::toPixels(m_geometry.top, dpi)};
}

void Frame::place(core::Dpi dpi)
{
    if (m_box)
        m_box->place({0, 0}, dpi);
    for (Control *control : m_controls)
        control->place(origin(dpi), dpi);
}

void Frame::setVisible(bool visible)
{
    m_visible = visible;
    // Children first, so that none shows for an instant outside its frame.
    for (Control *control : m_controls)
        control->setVisible(visible);
    if (m_box)
        m_box->setVisible(visible);
}

} // namespace bitloom::win32
