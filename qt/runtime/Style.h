#pragma once

#include <QProxyStyle>

class QStyleOptionGroupBox;

namespace bitloom::runtime {

// The program's style: Fusion, except for group boxes, which are drawn as the
// window's twips expect: the caption on the frame's top line, in a gap of the
// line, and an etched frame in the 3D shadow and highlight colours, like the
// window's rules. Fusion puts the caption above a lower line, which then runs
// through the first row of controls. Checkable and flat group boxes, which
// the program does not use, keep Fusion's look.
class Style : public QProxyStyle {
    Q_OBJECT

public:
    Style();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl subControl, const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override;

private:
    // The group boxes this style draws itself, or null.
    static const QStyleOptionGroupBox *classicGroupBox(ComplexControl control,
                                                       const QStyleOptionComplex *option);
};

} // namespace bitloom::runtime
