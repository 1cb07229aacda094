#include "runtime/Twips.h"

#include <QTest>

using namespace bitloom::runtime;

class tst_Twips : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void toPixels_data();
    void toPixels();
    void rectanglesRoundTrip();
};

void tst_Twips::toPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");

    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("just under half") << 7 << 0;
    QTest::newRow("just over half") << 8 << 1;
    QTest::newRow("margin") << 120 << 8;
    QTest::newRow("pane width") << 3375 << 225;
    QTest::newRow("odd label width") << 3190 << 213;
    QTest::newRow("negative") << -8 << -1;
    QTest::newRow("wide client") << 14100 << 940;
}

void tst_Twips::toPixels()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(bitloom::runtime::toPixels(twips), pixels);
}

void tst_Twips::rectanglesRoundTrip()
{
    const TwipsRect pane{1200, 120, 3375, 4215};
    QCOMPARE(bitloom::runtime::toPixels(pane), QRect(80, 8, 225, 281));
    QCOMPARE(toTwips(bitloom::runtime::toPixels(pane)), pane);
    QCOMPARE(bitloom::runtime::toPixels(4695, 4455), QSize(313, 297));
}

QTEST_GUILESS_MAIN(tst_Twips)
#include "tst_twips.moc"
