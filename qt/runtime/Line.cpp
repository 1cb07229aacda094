#include "Line.h"

#include "Twips.h"

#include <QPainter>

namespace bitloom::runtime {

Line::Line(QPalette::ColorRole role, int penPixels, int x1, int x2, int y, QWidget *parent)
    : QWidget(parent)
    , m_role(role)
    , m_penPixels(penPixels)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A pen of n pixels centred on row y covers rows y - n/2 to y - n/2 + n - 1.
    setGeometry(toPixels(x1), toPixels(y) - penPixels / 2, toPixels(x2) - toPixels(x1), penPixels);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(m_role));
}

} // namespace bitloom::runtime
