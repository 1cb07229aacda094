#pragma once

#include <QWidget>

namespace bitloom::runtime {

// A horizontal rule in a system colour: from x1 to x2 at height y (twips,
// relative to the container), drawn with a pen the given number of pixels
// wide and centred on y. Two coincident rules in the 3D shadow and highlight
// colours read as one etched line.
class Line : public QWidget {
    Q_OBJECT

public:
    Line(QPalette::ColorRole role, int penPixels, int x1, int x2, int y, QWidget *parent);

    QPalette::ColorRole colorRole() const { return m_role; }
    int penPixels() const { return m_penPixels; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPalette::ColorRole m_role;
    int m_penPixels;
};

} // namespace bitloom::runtime
