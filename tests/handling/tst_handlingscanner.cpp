#include "flags/FlagsValue.h"
#include "handling/HandlingScanner.h"
#include "support/HandlingText.h"
#include "support/StdText.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace bitloom::handling;
using namespace bitloom::tests;

namespace {

ScanResult scan(const QByteArray &text, const GameProfile &game = viceCity)
{
    return scanHandling(view(text), TextEncoding::Plain, game);
}

// "line kind identifier raw read", one string per vehicle line, easy to
// compare; "-" where the game reads no value.
QStringList vehicles(const ScanResult &result)
{
    QStringList rows;
    for (const ScannedVehicle &v : result.vehicles) {
        const QString read
            = v.gameValue ? QString::fromStdString(bitloom::flags::hexText(*v.gameValue)) : u"-"_s;
        rows << QStringList{QString::number(v.line), text(vehicleLineKind(v.kind).key),
                            text(v.identifier), text(v.flagsText), read}
                    .join(u' ');
    }
    return rows;
}

// "line rule", one string per problem.
QStringList problems(const ScanResult &result)
{
    QStringList rows;
    for (const Problem &p : result.problems)
        rows << QString::number(p.line) + u' ' + text(p.rule);
    return rows;
}

} // namespace

class tst_HandlingScanner : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wellFormedFile_data();
    void wellFormedFile();
    void everyVehicleLineIsKept_data();
    void everyVehicleLineIsKept();
    void worstLevelOfALine();
};

void tst_HandlingScanner::wellFormedFile_data()
{
    QTest::addColumn<QByteArray>("text");
    const QByteArray sample = lines({
        "; Vehicle handling",
        "",
        vehicleLine("LANDSTAL", "220"),
        "\t" + vehicleLine("IDAHO", "0x50"),
        boatEntry("PREDATOR"),
        bikeEntry("BIKE"),
        flyingEntry("SPARROW"),
        vehicleLine("PREDATOR", "80000"),
        vehicleLine("BIKE", "10000"),
        vehicleLine("SPARROW", "20000"),
        ";the end",
        vehicleLine("AFTEREND", "zz"),
        "garbage after the end",
    });
    QTest::newRow("Unix endings") << sample;
    QTest::newRow("Windows endings") << QByteArray(sample).replace("\n", "\r\n");
}

void tst_HandlingScanner::wellFormedFile()
{
    QFETCH(QByteArray, text);
    const ScanResult result = scan(text);
    QCOMPARE(problems(result), QStringList());
    QCOMPARE(vehicles(result),
             (QStringList{u"3 standard LANDSTAL 220 220"_s, u"4 standard IDAHO 0x50 50"_s,
                          u"5 boat PREDATOR  -"_s, u"6 bike BIKE  -"_s, u"7 flying SPARROW  -"_s,
                          u"8 standard PREDATOR 80000 80000"_s, u"9 standard BIKE 10000 10000"_s,
                          u"10 standard SPARROW 20000 20000"_s}));
}

// A line with a problem stays in the list with what the game reads in it.
void tst_HandlingScanner::everyVehicleLineIsKept_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("vehicle");
    QTest::addColumn<QStringList>("problems");

    QByteArray oneShort = vehicleLine("IDAHO", "0");
    oneShort.remove(oneShort.indexOf(' '), 7); // the mass
    QTest::newRow("one field short")
        << oneShort << u"1 standard IDAHO 1 1"_s << QStringList{u"1 fields"_s};
    QTest::newRow("no flags field")
        << QByteArray("IDAHO 1 2") << u"1 standard IDAHO  -"_s << QStringList{u"1 fields"_s};
    QTest::newRow("not hex") << vehicleLine("IDAHO", "9047000xyz")
                             << u"1 standard IDAHO 9047000xyz 9047000"_s
                             << QStringList{u"1 flags"_s, u"1 section"_s};
    QTest::newRow("nothing read") << vehicleLine("IDAHO", "xyz") << u"1 standard IDAHO xyz -"_s
                                  << QStringList{u"1 flags"_s};
    QTest::newRow("bits beyond the flags")
        << vehicleLine("IDAHO", "c0002180") << u"1 standard IDAHO c0002180 C0002180"_s
        << QStringList{u"1 flags"_s};
    QTest::newRow("unknown vehicle")
        << vehicleLine("ZZ", "40") << u"1 standard ZZ 40 40"_s << QStringList{u"1 vehicle"_s};
}

void tst_HandlingScanner::everyVehicleLineIsKept()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, vehicle);
    QFETCH(QStringList, problems);

    const QByteArray text = lines({line, ";the end"});
    const ScanResult result = scan(text);
    QCOMPARE(vehicles(result), QStringList{vehicle});
    QCOMPARE(::problems(result), problems);
}

void tst_HandlingScanner::worstLevelOfALine()
{
    const QByteArray text = lines({
        vehicleLine("IDAHO", "c0002180"), // a warning
        vehicleLine("ZZ", "c0002180"),    // a warning and an error
        vehicleLine("STINGER", "0"),      // nothing
        bikeEntry("STINGER"),             // a warning
        ";the end",
    });
    const ScanResult result = scan(text);
    QCOMPARE(worstLevel(result.problems, 1), std::optional(Level::Warning));
    QCOMPARE(worstLevel(result.problems, 2), std::optional(Level::Error));
    QCOMPARE(worstLevel(result.problems, 3), std::nullopt);
    QCOMPARE(worstLevel(result.problems, 4), std::optional(Level::Warning));
    QCOMPARE(worstLevel(result.problems, 5), std::nullopt);
}

QTEST_GUILESS_MAIN(tst_HandlingScanner)
#include "tst_cli_handlingscanner.moc"
