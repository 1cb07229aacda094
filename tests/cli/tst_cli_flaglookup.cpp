#include "cli/FlagLookup.h"
#include "flags/FlagCatalogue.h"
#include "support/StdText.h"

#include <QTest>

using namespace bitloom;

class tst_FlagLookup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyNameInAnyCase();
    void unknownNames_data();
    void unknownNames();
};

void tst_FlagLookup::everyNameInAnyCase()
{
    for (int bit = 0; bit < flags::flagCount; ++bit) {
        const QByteArray name = tests::bytes(flags::flagAt(bit).name);
        QByteArray mixed = name.toLower();
        for (qsizetype i = 0; i < mixed.size(); i += 2)
            mixed[i] = name[i];
        for (const QByteArray &spelling : {name, name.toLower(), mixed}) {
            const auto found = cli::findFlag(spelling.toStdString());
            QVERIFY2(found.has_value(), spelling.constData());
            QCOMPARE(*found, bit);
        }
    }
}

void tst_FlagLookup::unknownNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("prefix") << QByteArray("IS_BU");
    QTest::newRow("longer") << QByteArray("IS_BUSES");
    QTest::newRow("space for underscore") << QByteArray("IS BUS");
    QTest::newRow("hyphen for underscore") << QByteArray("IS-BUS");
    QTest::newRow("surrounding space") << QByteArray(" IS_BUS");
    QTest::newRow("a value") << QByteArray("40");
}

void tst_FlagLookup::unknownNames()
{
    QFETCH(QByteArray, name);
    QVERIFY(!cli::findFlag(name.toStdString()).has_value());
}

QTEST_GUILESS_MAIN(tst_FlagLookup)
#include "tst_cli_flaglookup.moc"
