#include "qt/runtime/Twips.h"

#include <QTest>

using namespace bitloom;

// Twips as Qt's logical pixels: rectangles, sizes and points go both ways.
class tst_Twips : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rectanglesRoundTrip();
    void sizesAndPoints();
};

void tst_Twips::rectanglesRoundTrip()
{
    const core::TwipsRect pane{1200, 120, 3375, 4215};
    QCOMPARE(runtime::toPixels(pane), QRect(80, 8, 225, 281));
    QCOMPARE(runtime::toTwips(runtime::toPixels(pane)), pane);
}

void tst_Twips::sizesAndPoints()
{
    QCOMPARE(runtime::toPixels(core::TwipsSize{4695, 4455}), QSize(313, 297));
    QCOMPARE(runtime::toTwips(QSize(940, 586)), (core::TwipsSize{14100, 8790}));
    QCOMPARE(runtime::toPixels(core::TwipsPoint{10605, 4455}), QPoint(707, 297));
}

QTEST_GUILESS_MAIN(tst_Twips)
#include "tst_twips.moc"
