#include "flags/FlagCatalogue.h"
#include "flags/FlagLookup.h"
#include "support/StdText.h"

#include <QTest>

using namespace bitloom;

class tst_FlagLookup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyNameInAnyCase();
    void unknownNames_data();
    void unknownNames();
    void headerSpellings_data();
    void headerSpellings();
    void suggestions_data();
    void suggestions();
};

void tst_FlagLookup::everyNameInAnyCase()
{
    for (int bit = 0; bit < flags::flagCount; ++bit) {
        const QByteArray name = tests::bytes(flags::flagAt(bit).name);
        QByteArray mixed = name.toLower();
        for (qsizetype i = 0; i < mixed.size(); i += 2)
            mixed[i] = name[i];
        for (const QByteArray &spelling : {name, name.toLower(), mixed}) {
            const auto found = flags::findFlag(spelling.toStdString());
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
    QVERIFY(!flags::findFlag(name.toStdString()).has_value());
}

// The spellings of the comment at the head of the game's handling file.
void tst_FlagLookup::headerSpellings_data()
{
    QTest::addColumn<QByteArray>("spelling");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("NEUTRALHANDLING")
        << QByteArray("NEUTRALHANDLING") << QByteArray("NEUTRAL_HANDLING");
    QTest::newRow("lower case") << QByteArray("neutralhandling") << QByteArray("NEUTRAL_HANDLING");
    QTest::newRow("FAT_REARW") << QByteArray("FAT_REARW") << QByteArray("FAT_REAR");
    QTest::newRow("NARROW_FRONTW") << QByteArray("NARROW_FRONTW") << QByteArray("NARROW_FRONT");
    QTest::newRow("GOOD_INSAND") << QByteArray("GOOD_INSAND") << QByteArray("GOOD_IN_SAND");
}

void tst_FlagLookup::headerSpellings()
{
    QFETCH(QByteArray, spelling);
    QFETCH(QByteArray, name);
    const auto found = flags::findFlag(spelling.toStdString());
    QVERIFY(found.has_value());
    QCOMPARE(tests::bytes(flags::flagAt(*found).name), name);
}

void tst_FlagLookup::suggestions_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArrayList>("suggested");

    QTest::newRow("swapped letters") << QByteArray("IS_BSU") << QByteArrayList{"IS_BUS"};
    QTest::newRow("letter missing")
        << QByteArray("HALOGN_LIGHTS") << QByteArrayList{"HALOGEN_LIGHTS"};
    QTest::newRow("lower case, letter wrong")
        << QByteArray("is_bike_") << QByteArrayList{"IS_BIKE"};
    QTest::newRow("several as near") << QByteArray("IS_BIE") << QByteArrayList{"IS_BIG", "IS_BIKE"};
    // An alias close to the name stands for its flag's catalogue name.
    QTest::newRow("near an alias")
        << QByteArray("NEUTRALHANDLNG") << QByteArrayList{"NEUTRAL_HANDLING"};
    QTest::newRow("too far") << QByteArray("IS_TRAIN") << QByteArrayList{};
    QTest::newRow("empty") << QByteArray() << QByteArrayList{};
}

void tst_FlagLookup::suggestions()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArrayList, suggested);
    QByteArrayList names;
    for (std::string_view found : flags::flagSuggestions(name.toStdString()))
        names << tests::bytes(found);
    QCOMPARE(names, suggested);
}

QTEST_GUILESS_MAIN(tst_FlagLookup)
#include "tst_cli_flaglookup.moc"
