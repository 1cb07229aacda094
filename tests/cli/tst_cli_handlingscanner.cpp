#include "cli/HandlingScanner.h"
#include "flags/FlagsValue.h"
#include "support/HandlingText.h"
#include "support/StdText.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace bitloom::cli;
using namespace bitloom::tests;

namespace {

ScanResult scan(const QByteArray &text, const GameProfile &game = viceCity)
{
    return scanHandling(view(text), game);
}

// "line identifier raw value", one string per vehicle, easy to compare.
QStringList vehicles(const ScanResult &result)
{
    QStringList rows;
    for (const ScannedVehicle &v : result.vehicles) {
        rows << QString::number(v.line) + u' ' + text(v.identifier) + u' ' + text(v.flagsText)
                    + u' ' + QString::number(v.value, 16);
    }
    return rows;
}

// "line | identifier | raw | message | what the game reads", one string per
// problem; parts that do not apply are empty.
QStringList problems(const ScanResult &result)
{
    QStringList rows;
    for (const Problem &p : result.problems) {
        const QString gameReads
            = p.gameValue ? QString::fromStdString(bitloom::flags::hexText(*p.gameValue))
                          : QString();
        rows << QStringList{QString::number(p.line), text(p.identifier), text(p.input),
                            QString::fromStdString(p.message), gameReads}
                    .join(u" | ");
    }
    return rows;
}

const QByteArray sample = lines({
    "; Vehicle handling",
    "",
    vehicleLine("LANDSTAL", "9047000"),
    "\t" + vehicleLine("IDAHO", "0x50"),
    "% PREDATOR 0.8 0.7 0.5",
    "! PCJ600 0.5 0.5 0.3",
    "$ SPARROW 0.6 5.0 3.0",
    vehicleLine("STINGER", "0"),
    ";the end",
    vehicleLine("AFTEREND", "zz"),
    "garbage after the end",
});

} // namespace

class tst_HandlingScanner : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wellFormedFile_data();
    void wellFormedFile();
    void badLines_data();
    void badLines();
    void nulByteStopsEverything();
    void gta3ReadsItsOwnColumn();
};

void tst_HandlingScanner::wellFormedFile_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("Unix endings") << sample;
    QTest::newRow("Windows endings") << QByteArray(sample).replace("\n", "\r\n");
    QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + QByteArray(sample).replace("\n", "\r\n");
}

void tst_HandlingScanner::wellFormedFile()
{
    QFETCH(QByteArray, text);
    const ScanResult result = scan(text);
    QCOMPARE(problems(result), QStringList());
    QCOMPARE(vehicles(result), (QStringList{u"3 LANDSTAL 9047000 9047000"_s, u"4 IDAHO 0x50 50"_s,
                                            u"8 STINGER 0 0"_s}));
    QCOMPARE(result.otherSectionLines, 3u);
}

void tst_HandlingScanner::badLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("vehicles");
    QTest::addColumn<QStringList>("problems");

    const QByteArray good = vehicleLine("GOOD", "40");
    const QString goodOnLine3 = u"3 GOOD 40 40"_s;

    QByteArray tooShort = vehicleLine("SHORT", "40");
    tooShort.truncate(tooShort.indexOf(" 40 "));
    QTest::newRow("too few fields")
        << lines({"; x", tooShort, good, ";the end"}) << QStringList{goodOnLine3}
        << QStringList{
               u"2 | SHORT |  | 30 champs, il en faut au moins 31 pour la colonne \"ae\" | "_s};
    QTest::newRow("not hex") << lines({"; x", vehicleLine("BAD", "9047000xyz"), good, ";the end"})
                             << QStringList{goodOnLine3}
                             << QStringList{u"2 | BAD | 9047000xyz | valeur \"9047000xyz\" : "
                                            "caractère non hexadécimal 'x' en position 8 ; le jeu "
                                            "lirait 9047000 | 9047000"_s};
    QTest::newRow("not hex, nothing read")
        << lines({"; x", vehicleLine("BAD", "xyz"), good, ";the end"}) << QStringList{goodOnLine3}
        << QStringList{u"2 | BAD | xyz | valeur \"xyz\" : caractère non hexadécimal 'x' en "
                       "position 1 ; le jeu ne lirait aucune valeur sûre | "_s};
    QTest::newRow("above the flags")
        << lines({"; x", vehicleLine("BAD", "10000000"), good, ";the end"})
        << QStringList{goodOnLine3}
        << QStringList{u"2 | BAD | 10000000 | valeur \"10000000\" : bits au-delà des 28 flags "
                       "de GTA: Vice-City | 10000000"_s};
    QTest::newRow("above 32 bits")
        << lines({"; x", vehicleLine("BAD", "100000000"), good, ";the end"})
        << QStringList{goodOnLine3}
        << QStringList{u"2 | BAD | 100000000 | valeur \"100000000\" : bits au-delà des 28 "
                       "flags de GTA: Vice-City | "_s};
    const QString noEnd
        = u" |  |  | pas de ligne \";the end\" : le jeu ne saurait pas où s'arrêtent les données | "_s;
    QTest::newRow("no end") << lines({"; x", vehicleLine("ONE", "1"), vehicleLine("TWO", "2")})
                            << QStringList{u"2 ONE 1 1"_s, u"3 TWO 2 2"_s}
                            << QStringList{u"3"_s + noEnd};
    QTest::newRow("no end, no final newline")
        << vehicleLine("ONE", "1") << QStringList{u"1 ONE 1 1"_s} << QStringList{u"1"_s + noEnd};
    QTest::newRow("empty file") << QByteArray() << QStringList() << QStringList{u"1"_s + noEnd};
    // The identifier is kept as it is; the message escapes what it quotes.
    QTest::newRow("control characters")
        << lines({"; x", vehicleLine("B\x1B[2J", "4\x01"), good, ";the end"})
        << QStringList{goodOnLine3}
        << QStringList{u"2 | B\x1B[2J | 4\x01 | valeur \"4\\x01\" : octet non hexadécimal "
                       "0x01 en position 2 ; le jeu lirait 4 | 4"_s};
}

void tst_HandlingScanner::badLines()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, vehicles);
    QFETCH(QStringList, problems);

    const ScanResult result = scan(text);
    QCOMPARE(::problems(result), problems);
    QCOMPARE(::vehicles(result), vehicles);
}

void tst_HandlingScanner::nulByteStopsEverything()
{
    QByteArray text
        = lines({vehicleLine("ONE", "1"), "; x", vehicleLine("TWO", "2"), vehicleLine("BAD", "z")});
    text.insert(text.indexOf("TWO") + 1, '\0');
    const ScanResult result = scan(text);
    // Nothing after the NUL byte is read, and no end is looked for.
    QCOMPARE(::vehicles(result), QStringList{u"1 ONE 1 1"_s});
    QCOMPARE(::problems(result),
             QStringList{u"3 |  |  | fichier binaire (octet nul) : lecture abandonnée | "_s});
}

void tst_HandlingScanner::gta3ReadsItsOwnColumn()
{
    const QByteArray text = lines({vehicleLine("ONE", "1"), ";the end"});
    QCOMPARE(::vehicles(scan(text, gta3)), QStringList{u"1 ONE 20 20"_s});

    QByteArray high = vehicleLine("HIGH", "1");
    high.replace(" 20 ", " 10000 ");
    const ScanResult result = scan(lines({high, ";the end"}), gta3);
    QCOMPARE(::vehicles(result), QStringList());
    QCOMPARE(
        ::problems(result),
        QStringList{
            u"1 | HIGH | 10000 | valeur \"10000\" : bits au-delà des 16 flags de GTA3 | 10000"_s});
}

QTEST_GUILESS_MAIN(tst_HandlingScanner)
#include "tst_cli_handlingscanner.moc"
