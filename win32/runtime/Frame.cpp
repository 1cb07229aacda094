#include "Frame.h"

namespace bitloom::win32 {

Frame::Frame(GroupBox &box)
    : m_box(box)
{
}

void Frame::addControl(Control &control)
{
    m_controls.push_back(&control);
}

core::TwipsPoint Frame::position() const
{
    return {m_box.geometry().left, m_box.geometry().top};
}

core::TwipsSize Frame::size() const
{
    return {m_box.geometry().width, m_box.geometry().height};
}

void Frame::move(core::TwipsPoint position, core::Dpi dpi)
{
    core::TwipsRect rect = m_box.geometry();
    rect.left = position.x;
    rect.top = position.y;
    m_box.setGeometry(rect);
    place(dpi);
}

POINT Frame::origin(core::Dpi dpi) const
{
    return {core::toPixels(m_box.geometry().left, dpi), core::toPixels(m_box.geometry().top, dpi)};
}

void Frame::place(core::Dpi dpi)
{
    m_box.place({0, 0}, dpi);
    for (Control *control : m_controls)
        control->place(origin(dpi), dpi);
}

void Frame::setVisible(bool visible)
{
    // Children first, so that none shows for an instant outside its frame.
    for (Control *control : m_controls)
        control->setVisible(visible);
    m_box.setVisible(visible);
}

bool Frame::isVisible() const
{
    return m_box.isVisible();
}

} // namespace bitloom::win32
