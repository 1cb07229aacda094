#include "qt/runtime/Rule.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace bitloom;

// A rule's two lines as they show: each in its colour on the rows of its
// bands, the thinner one on top where the two meet.
class tst_Rule : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void thinnerLineShowsOnTop_data();
    void thinnerLineShowsOnTop();
};

void tst_Rule::thinnerLineShowsOnTop_data()
{
    QTest::addColumn<int>("shadowPixels");
    QTest::addColumn<int>("highlightPixels");
    // Rows 0 to 3, down: S for the shadow, H for the highlight, . for neither.
    QTest::addColumn<QString>("rows");
    QTest::newRow("thicker highlight") << 1 << 3 << u"HSH."_s;
    QTest::newRow("thicker shadow") << 3 << 1 << u"SHS."_s;
}

void tst_Rule::thinnerLineShowsOnTop()
{
    QFETCH(int, shadowPixels);
    QFETCH(int, highlightPixels);
    QFETCH(QString, rows);
    QWidget container;
    container.resize(60, 8);
    runtime::addRule({"linTest", -1, 0, 600, 15, shadowPixels, highlightPixels}, &container);
    QVERIFY(container.findChild<runtime::Rule *>(u"linTest(0)"_s));

    const QImage image = container.grab().toImage();
    const QPalette colours = container.palette();
    QString shown;
    for (int y = 0; y < rows.size(); ++y) {
        const QRgb pixel = image.pixel(20, y);
        shown += pixel == colours.color(QPalette::Dark).rgb()    ? u'S'
                 : pixel == colours.color(QPalette::Light).rgb() ? u'H'
                                                                 : u'.';
    }
    QCOMPARE(shown, rows);
}

QTEST_MAIN(tst_Rule)
#include "tst_rule.moc"
