#include "cli/HandlingScanner.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace bitloom::cli;

namespace {

// A vehicle line of 34 fields with the flags in field 31 (Vice-City) and
// "20" in field 30 (where GTA3 reads its flags).
QByteArray vehicle(const QByteArray &identifier, const QByteArray &flags)
{
    return identifier
           + " 1700.0 5.0 4.0 2.2 0.0 0.0 -0.2 85 0.8 0.75 0.5 5 160.0 25.0 4 D 6.2 "
             "0.60 0 35.0 1.4 0.15 0.0 0.25 -0.20 0.5 0.5 25000 20 "
           + flags + " 0 1 0";
}

QByteArray lines(const QList<QByteArray> &list, const QByteArray &ending = "\n")
{
    QByteArray text;
    for (const QByteArray &line : list)
        text += line + ending;
    return text;
}

ScanResult scan(const QByteArray &text, const GameProfile &game = viceCity)
{
    return scanHandling({text.constData(), static_cast<std::size_t>(text.size())}, game);
}

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// "line identifier raw value", one string per vehicle, easy to compare.
QStringList vehicles(const ScanResult &result)
{
    QStringList rows;
    for (const ScannedVehicle &v : result.vehicles) {
        rows << QString::number(v.line) + u' ' + QString::fromUtf8(bytes(v.identifier)) + u' '
                    + QString::fromUtf8(bytes(v.flagsText)) + u' ' + QString::number(v.value, 16);
    }
    return rows;
}

QStringList problems(const ScanResult &result)
{
    QStringList rows;
    for (const LineProblem &p : result.problems)
        rows << QString::number(p.line) + u' ' + QString::fromStdString(p.message);
    return rows;
}

const QByteArray sample = lines({
    "; Vehicle handling",
    "",
    vehicle("LANDSTAL", "9047000"),
    "\t" + vehicle("IDAHO", "0x50"),
    "% PREDATOR 0.8 0.7 0.5",
    "! PCJ600 0.5 0.5 0.3",
    "$ SPARROW 0.6 5.0 3.0",
    vehicle("STINGER", "0"),
    ";the end",
    vehicle("AFTEREND", "zz"),
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

    const QByteArray good = vehicle("GOOD", "40");
    const QString goodOnLine3 = u"3 GOOD 40 40"_s;

    QByteArray tooShort = vehicle("SHORT", "40");
    tooShort.truncate(tooShort.indexOf(" 40 "));
    QTest::newRow("too few fields")
        << lines({"; x", tooShort, good, ";the end"}) << QStringList{goodOnLine3}
        << QStringList{u"2 SHORT : 30 champs, il en faut au moins 31 pour la colonne \"ae\""_s};
    QTest::newRow("not hex") << lines({"; x", vehicle("BAD", "9047000xyz"), good, ";the end"})
                             << QStringList{goodOnLine3}
                             << QStringList{
                                    u"2 BAD : valeur \"9047000xyz\" : caractère non "
                                    "hexadécimal 'x' en position 8 ; le jeu lirait 9047000"_s};
    QTest::newRow("not hex, nothing read")
        << lines({"; x", vehicle("BAD", "xyz"), good, ";the end"}) << QStringList{goodOnLine3}
        << QStringList{u"2 BAD : valeur \"xyz\" : caractère non hexadécimal 'x' en position 1 ; "
                       "le jeu ne lirait aucune valeur sûre"_s};
    QTest::newRow("above the flags")
        << lines({"; x", vehicle("BAD", "10000000"), good, ";the end"}) << QStringList{goodOnLine3}
        << QStringList{u"2 BAD : valeur \"10000000\" : bits au-delà des 28 flags de "
                       "GTA: Vice-City"_s};
    QTest::newRow("no end") << lines({"; x", vehicle("ONE", "1"), vehicle("TWO", "2")})
                            << QStringList{u"2 ONE 1 1"_s, u"3 TWO 2 2"_s}
                            << QStringList{u"3 pas de ligne \";the end\" : le jeu ne saurait pas "
                                           "où s'arrêtent les données"_s};
    QTest::newRow("no end, no final newline")
        << vehicle("ONE", "1") << QStringList{u"1 ONE 1 1"_s}
        << QStringList{u"1 pas de ligne \";the end\" : le jeu ne saurait pas où s'arrêtent les "
                       "données"_s};
    QTest::newRow("empty file") << QByteArray() << QStringList()
                                << QStringList{u"1 pas de ligne \";the end\" : le jeu ne saurait "
                                               "pas où s'arrêtent les données"_s};
    QTest::newRow("control characters are shown escaped")
        << lines({"; x", vehicle("B\x1B[2J", "4\x01"), good, ";the end"})
        << QStringList{goodOnLine3}
        << QStringList{u"2 B\\x1B[2J : valeur \"4\\x01\" : octet non hexadécimal 0x01 en "
                       "position 2 ; le jeu lirait 4"_s};
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
    QByteArray text = lines({vehicle("ONE", "1"), "; x", vehicle("TWO", "2"), vehicle("BAD", "z")});
    text.insert(text.indexOf("TWO") + 1, '\0');
    const ScanResult result = scan(text);
    // Nothing after the NUL byte is read, and no end is looked for.
    QCOMPARE(::vehicles(result), QStringList{u"1 ONE 1 1"_s});
    QCOMPARE(::problems(result),
             QStringList{u"3 fichier binaire (octet nul) : lecture abandonnée"_s});
}

void tst_HandlingScanner::gta3ReadsItsOwnColumn()
{
    const QByteArray text = lines({vehicle("ONE", "1"), ";the end"});
    QCOMPARE(::vehicles(scan(text, gta3)), QStringList{u"1 ONE 20 20"_s});

    QByteArray high = vehicle("HIGH", "1");
    high.replace(" 20 ", " 10000 ");
    const ScanResult result = scan(lines({high, ";the end"}), gta3);
    QCOMPARE(::vehicles(result), QStringList());
    QCOMPARE(::problems(result),
             QStringList{u"1 HIGH : valeur \"10000\" : bits au-delà des 16 flags de GTA3"_s});
}

QTEST_GUILESS_MAIN(tst_HandlingScanner)
#include "tst_cli_handlingscanner.moc"
