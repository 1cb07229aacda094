// The built bitloom-flags, run as a user or a script runs it.
#include "support/HandlingText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <utility>

using namespace Qt::StringLiterals;
using namespace bitloom::tests;

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(BITLOOM_FLAGS_PROGRAM), arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        qWarning("bitloom-flags did not finish");
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

const QByteArray sampleFile = crlfLines({
    "; Vehicle handling, as a modder keeps it",
    "; identifier mass ... flags",
    vehicleLine("LANDSTAL", "9047000"),
    vehicleLine("IDAHO", "0x50"),
    "% PREDATOR 0.8 0.7 0.5 1.0 5.0",
    vehicleLine("STINGER", "0"),
    "! PCJ600 0.5 0.5 0.3 0.15",
    "$ SPARROW 0.6 5.0 3.0 0.4",
    vehicleLine("LINERUN", "4000c1"),
    ";the end",
});

} // namespace

class tst_BitloomFlags : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void decodeShowsTheFlagsAndTheValue();
    void encodePrintsWhatTheWindowShows();
    void scanTable();
    void scanJson();
    void scanJsonListsTheProblems();
    void unreadFileInJson();
    void badInput_data();
    void badInput();
    void badLinesDoNotHideGoodOnes();
    void unreadableFile();
    void endlessFileDoesNotHang();
    void largeFile();
    void fullDisk();
    void usageErrors_data();
    void usageErrors();
    void helpAndVersion();

private:
    QString write(const QByteArray &contents, const QString &name = u"handling.cfg"_s);
    QTemporaryDir dir;
};

void tst_BitloomFlags::init()
{
    QVERIFY(dir.isValid());
}

QString tst_BitloomFlags::write(const QByteArray &contents, const QString &name)
{
    return writeFile(dir.filePath(name), contents);
}

void tst_BitloomFlags::decodeShowsTheFlagsAndTheValue()
{
    const Run r = run({u"decode"_s, u"0x09047000"_s, u"0"_s});
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out,
             QByteArray("0x09047000\n"
                        "  4e Chiffre  1000     NEUTRAL_HANDLING  Modifie les performances de la "
                        "voiture quand celle-ci est sous le contrôle de l'IA pour diminuer les "
                        "chances de dérapage.\n"
                        "  4e Chiffre  2000     HAS_NO_ROOF       A plusieurs effets détaillés, y "
                        "compris la capacité de tuer les occupants plus facilement.\n"
                        "  4e Chiffre  4000     IS_BIG            Active un son qui intervient "
                        "quand la voiture se renversse.\n"
                        "  5e Chiffre  40000    IS_PLANE          Indique que ce véhicule a aussi "
                        "une entrée de traitement spéciale dans la section \"avion\".\n"
                        "  7e Chiffre  1000000  FAT_REAR          Grossi les roues arrière et les "
                        "pneus.\n"
                        "  7e Chiffre  8000000  SPECIAL_FLIGHT    Utilisé par des véhicules "
                        "volants mais leur but exact n'est pas certain.\n"
                        "  valeur : 9047000\n"
                        "\n"
                        "0\n"
                        "  aucun flag\n"
                        "  valeur : 0\n"));
}

void tst_BitloomFlags::encodePrintsWhatTheWindowShows()
{
    const Run r = run({u"encode"_s, u"IS_BUS"_s, u"no_doors"_s});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QByteArray("50\n"));
    QCOMPARE(r.err, QByteArray());

    const Run json = run({u"encode"_s, u"--json"_s, u"SPECIAL_FLIGHT"_s});
    const QJsonObject object = QJsonDocument::fromJson(json.out).object();
    QCOMPARE(object[u"value"].toString(), u"8000000"_s);
    QCOMPARE(object[u"flags"][0][u"digit"].toInt(), 7);
    QCOMPARE(object[u"flags"][0][u"mask"].toString(), u"8000000"_s);
    QCOMPARE(object[u"flags"][0][u"description"].toString(),
             u"Utilisé par des véhicules volants mais leur but exact n'est pas certain."_s);
}

void tst_BitloomFlags::scanTable()
{
    const Run r = run({u"scan"_s, write(sampleFile)});
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out,
             QByteArray("ligne  identifiant  ae       flags\n"
                        "3      LANDSTAL     9047000  NEUTRAL_HANDLING HAS_NO_ROOF IS_BIG "
                        "IS_PLANE FAT_REAR SPECIAL_FLIGHT\n"
                        "4      IDAHO        0x50     NO_DOORS IS_BUS\n"
                        "6      STINGER      0        -\n"
                        "9      LINERUN      4000c1   1G_BOOST IS_BUS IS_LOW "
                        "HANDBRAKE_TYRE\n"
                        "\n"
                        "véhicules : 4 ; lignes d'autres sections (%, !, $) ignorées : 3\n"));
}

void tst_BitloomFlags::scanJson()
{
    const QString path = write("\xEF\xBB\xBF" + sampleFile);
    const Run r = run({u"scan"_s, u"--json"_s, path});
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.status, 0);

    QJsonParseError error{};
    const QJsonObject object = QJsonDocument::fromJson(r.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object[u"file"].toString(), path);
    QCOMPARE(object[u"game"].toString(), u"vc"_s);
    QCOMPARE(object[u"column"].toString(), u"ae"_s);
    QCOMPARE(object[u"otherSectionLines"].toInt(), 3);

    const QJsonArray expected = QJsonDocument::fromJson(R"([
        {"line": 3, "identifier": "LANDSTAL", "raw": "9047000", "value": "9047000",
         "flags": ["NEUTRAL_HANDLING", "HAS_NO_ROOF", "IS_BIG", "IS_PLANE", "FAT_REAR",
                   "SPECIAL_FLIGHT"]},
        {"line": 4, "identifier": "IDAHO", "raw": "0x50", "value": "50",
         "flags": ["NO_DOORS", "IS_BUS"]},
        {"line": 6, "identifier": "STINGER", "raw": "0", "value": "0", "flags": []},
        {"line": 9, "identifier": "LINERUN", "raw": "4000c1", "value": "4000C1",
         "flags": ["1G_BOOST", "IS_BUS", "IS_LOW", "HANDBRAKE_TYRE"]}
    ])")
                                    .array();
    QCOMPARE(object[u"vehicles"].toArray(), expected);
    QCOMPARE(object[u"problems"].toArray(), QJsonArray());
}

// Each bad line with what a script needs: where, which vehicle, why, and what
// the game reads instead; the good lines are still listed.
void tst_BitloomFlags::scanJsonListsTheProblems()
{
    const QString path = write(lines({
        vehicleLine("GOOD", "40"), vehicleLine("NOTHEX", "9047000xyz"),
        vehicleLine("NOTHING", "zz"), vehicleLine("HIGH", "F0000000"), "SHORT 1 2",
        vehicleLine("CAF\xC9", "1g"), // Windows-1252, not UTF-8
    }));
    const Run r = run({u"scan"_s, u"--json"_s, path});
    QCOMPARE(r.status, 1);
    QJsonParseError error{};
    const QJsonObject object = QJsonDocument::fromJson(r.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object[u"vehicles"].toArray().size(), 1);
    QCOMPARE(object[u"vehicles"][0][u"identifier"].toString(), u"GOOD"_s);

    const QJsonArray expected = QJsonDocument::fromJson(R"([
        {"line": 2, "identifier": "NOTHEX", "raw": "9047000xyz",
         "message": "valeur \"9047000xyz\" : caractère non hexadécimal 'x' en position 8 ; le jeu lirait 9047000",
         "gameReads": "9047000"},
        {"line": 3, "identifier": "NOTHING", "raw": "zz",
         "message": "valeur \"zz\" : caractère non hexadécimal 'z' en position 1 ; le jeu ne lirait aucune valeur sûre"},
        {"line": 4, "identifier": "HIGH", "raw": "F0000000",
         "message": "valeur \"F0000000\" : bits au-delà des 28 flags de GTA: Vice-City",
         "gameReads": "F0000000"},
        {"line": 5, "identifier": "SHORT",
         "message": "3 champs, il en faut au moins 31 pour la colonne \"ae\""},
        {"line": 6, "identifier": "CAF\uFFFD", "raw": "1g",
         "message": "valeur \"1g\" : caractère non hexadécimal 'g' en position 2 ; le jeu lirait 1",
         "gameReads": "1"},
        {"line": 6,
         "message": "pas de ligne \";the end\" : le jeu ne saurait pas où s'arrêtent les données"}
    ])")
                                    .array();
    QVERIFY(!expected.isEmpty());
    QCOMPARE(object[u"problems"].toArray(), expected);
    // The error output still has them, for a person.
    QCOMPARE(r.err.count('\n'), expected.size());
}

void tst_BitloomFlags::unreadFileInJson()
{
    const QString path = dir.filePath(u"absent.cfg"_s);
    const Run r = run({u"scan"_s, u"--json"_s, path});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.err, QByteArray(path.toUtf8() + ": fichier introuvable\n"));
    const QJsonObject object = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(object[u"file"].toString(), path);
    QCOMPARE(object[u"vehicles"].toArray(), QJsonArray());
    QCOMPARE(object[u"problems"].toArray(),
             QJsonDocument::fromJson(R"([{"message": "fichier introuvable"}])").array());
}

void tst_BitloomFlags::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("file"); // written to FILE when not null
    QTest::addColumn<QByteArray>("err");  // FILE stands for the file's path

    const QByteArray noFile;
    QTest::newRow("not hex") << QStringList{u"decode"_s, u"9047000xyz"_s} << noFile
                             << QByteArray("bitloom-flags: valeur \"9047000xyz\" : caractère non "
                                           "hexadécimal 'x' en position 8 ; le jeu lirait "
                                           "9047000\n");
    QTest::newRow("nothing the game reads")
        << QStringList{u"decode"_s, u"zz"_s} << noFile
        << QByteArray("bitloom-flags: valeur \"zz\" : caractère non hexadécimal 'z' en position "
                      "1 ; le jeu ne lirait aucune valeur sûre\n");
    QTest::newRow("above the 28 flags")
        << QStringList{u"decode"_s, u"1FFFFFFF"_s} << noFile
        << QByteArray("bitloom-flags: valeur \"1FFFFFFF\" : bits au-delà des 28 flags de GTA: "
                      "Vice-City\n");
    QTest::newRow("above the gta3 flags")
        << QStringList{u"--game"_s, u"gta3"_s, u"decode"_s, u"10000"_s} << noFile
        << QByteArray("bitloom-flags: valeur \"10000\" : bits au-delà des 16 flags de GTA3\n");
    QTest::newRow("empty value") << QStringList{u"decode"_s, QString()} << noFile
                                 << QByteArray("bitloom-flags: valeur vide\n");
    QTest::newRow("unknown flag") << QStringList{u"encode"_s, u"IS_TRAIN"_s} << noFile
                                  << QByteArray("bitloom-flags: flag inconnu \"IS_TRAIN\"\n");
    QTest::newRow("flag not in gta3")
        << QStringList{u"encode"_s, u"--game=gta3"_s, u"IS_BIKE"_s} << noFile
        << QByteArray("bitloom-flags: le flag \"IS_BIKE\" n'est pas parmi les 16 flags de "
                      "GTA3\n");

    const QStringList scanFile{u"scan"_s, u"FILE"_s};
    QTest::newRow("too few fields")
        << scanFile << crlfLines({"; x", "LANDSTAL 1700.0 5.0 4.0", ";the end"})
        << QByteArray("FILE:2: LANDSTAL : 4 champs, il en faut au moins 31 pour la colonne "
                      "\"ae\"\n");
    QTest::newRow("gta3 too few fields")
        << QStringList{u"scan"_s, u"--game"_s, u"gta3"_s, u"FILE"_s}
        << crlfLines({"LANDSTAL 1700.0", ";the end"})
        << QByteArray("FILE:1: LANDSTAL : 2 champs, il en faut au moins 30 pour la colonne "
                      "\"ad\"\n");
    QTest::newRow("flags not hex")
        << scanFile << crlfLines({"; x", vehicleLine("IDAHO", "9047000xyz"), ";the end"})
        << QByteArray("FILE:2: IDAHO : valeur \"9047000xyz\" : caractère non hexadécimal 'x' "
                      "en position 8 ; le jeu lirait 9047000\n");
    QTest::newRow("flags above the 28")
        << scanFile << crlfLines({vehicleLine("IDAHO", "F0000000"), ";the end"})
        << QByteArray("FILE:1: IDAHO : valeur \"F0000000\" : bits au-delà des 28 flags de GTA: "
                      "Vice-City\n");
    QTest::newRow("control characters in the identifier")
        << scanFile << crlfLines({vehicleLine("B\x1B[2J", "4\x01"), ";the end"})
        << QByteArray("FILE:1: B\\x1B[2J : valeur \"4\\x01\" : octet non hexadécimal 0x01 en "
                      "position 2 ; le jeu lirait 4\n");
    QTest::newRow("binary file")
        << scanFile << QByteArray("; x\n; y\nAB") + '\0' + "CD\n;the end\n"
        << QByteArray("FILE:3: fichier binaire (octet nul) : lecture abandonnée\n");
    QTest::newRow("no end") << scanFile << crlfLines({"; x", vehicleLine("IDAHO", "50")})
                            << QByteArray("FILE:2: pas de ligne \";the end\" : le jeu ne saurait "
                                          "pas où s'arrêtent les données\n");
    QTest::newRow("missing file") << QStringList{u"scan"_s, u"NOFILE"_s} << noFile
                                  << QByteArray("NOFILE: fichier introuvable\n");
    QTest::newRow("directory") << QStringList{u"scan"_s, u"DIR"_s} << noFile
                               << QByteArray("DIR: c'est un dossier, pas un fichier\n");
}

void tst_BitloomFlags::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, err);

    const QString path = file.isNull() ? QString() : write(file);
    const QString missing = dir.filePath(u"absent.cfg"_s);
    for (QString &argument : arguments) {
        if (argument == u"FILE")
            argument = path;
        else if (argument == u"NOFILE")
            argument = missing;
        else if (argument == u"DIR")
            argument = dir.path();
    }
    for (const auto &[placeholder, value] :
         {std::pair{QByteArray("NOFILE:"), missing}, std::pair{QByteArray("FILE:"), path},
          std::pair{QByteArray("DIR:"), dir.path()}}) {
        if (err.startsWith(placeholder))
            err.replace(0, placeholder.size() - 1, value.toUtf8());
    }

    const Run r = run(arguments);
    QCOMPARE(r.err, err);
    QCOMPARE(r.status, 1);
}

void tst_BitloomFlags::badLinesDoNotHideGoodOnes()
{
    const QString path = write(crlfLines({vehicleLine("ONE", "1"), vehicleLine("BAD", "z"),
                                          "SHORT 1 2", vehicleLine("TWO", "2"), ";the end"}));
    const Run r = run({u"scan"_s, path});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.err.count('\n'), 2);
    QVERIFY(r.err.startsWith(QByteArray(path.toUtf8() + ":2: BAD : ")));
    QVERIFY(r.err.contains(QByteArray('\n' + path.toUtf8() + ":3: SHORT : ")));
    QCOMPARE(r.out,
             QByteArray("ligne  identifiant  ae  flags\n"
                        "1      ONE          1   1G_BOOST\n"
                        "4      TWO          2   2G_BOOST\n"
                        "\n"
                        "véhicules : 2 ; lignes d'autres sections (%, !, $) ignorées : 0\n"));
}

void tst_BitloomFlags::unreadableFile()
{
    const QString path = write(sampleFile, u"unreadable.cfg"_s);
    QFile::setPermissions(path, QFileDevice::Permissions());
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("permissions do not stop this user (root?)");
    const Run r = run({u"scan"_s, path});
    QCOMPARE(r.err, QByteArray(path.toUtf8() + ": impossible d'ouvrir le fichier\n"));
    QCOMPARE(r.status, 1);
}

void tst_BitloomFlags::endlessFileDoesNotHang()
{
    if (!QFile::exists(u"/dev/zero"_s))
        QSKIP("no /dev/zero here");
    const Run r = run({u"scan"_s, u"/dev/zero"_s});
    QCOMPARE(r.err, QByteArray("/dev/zero:1: fichier binaire (octet nul) : lecture abandonnée\n"));
    QCOMPARE(r.status, 1);
}

// Some megabytes, Windows endings, BOM: read whole, in well under the timeout.
void tst_BitloomFlags::largeFile()
{
    QByteArray text = "\xEF\xBB\xBF";
    constexpr int vehicles = 40000;
    for (int i = 0; i < vehicles; ++i)
        text += vehicleLine("CAR" + QByteArray::number(i),
                            QByteArray::number(i * 977 % 0xFFFFFFF, 16))
                + "\r\n";
    text += ";the end\r\n";
    const Run r = run({u"scan"_s, u"--json"_s, write(text)});
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.status, 0);
    const QJsonArray read = QJsonDocument::fromJson(r.out).object()[u"vehicles"].toArray();
    QCOMPARE(read.size(), vehicles);
    QCOMPARE(read.last()[u"identifier"].toString(), u"CAR39999"_s);
    QCOMPARE(read.last()[u"line"].toInt(), vehicles);
}

void tst_BitloomFlags::fullDisk()
{
    if (!QFile::exists(u"/dev/full"_s))
        QSKIP("no /dev/full here");
    QProcess process;
    process.setStandardOutputFile(u"/dev/full"_s);
    process.start(QStringLiteral(BITLOOM_FLAGS_PROGRAM), {u"decode"_s, u"FFFFFFF"_s});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.readAllStandardError(),
             QByteArray("bitloom-flags: erreur d'écriture de la sortie\n"));
    QCOMPARE(process.exitCode(), 1);
}

void tst_BitloomFlags::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("nothing") << QStringList()
                             << QByteArray("commande manquante (decode, encode ou scan)");
    QTest::newRow("unknown command") << QStringList{u"check"_s, u"1"_s}
                                     << QByteArray("commande inconnue \"check\" (decode, encode "
                                                   "ou scan)");
    QTest::newRow("no value") << QStringList{u"decode"_s}
                              << QByteArray("decode attend au moins une valeur");
    QTest::newRow("unknown option")
        << QStringList{u"decode"_s, u"--hex"_s, u"1"_s} << QByteArray("option inconnue \"--hex\"");
    QTest::newRow("unknown game") << QStringList{u"--game=sa"_s, u"decode"_s, u"1"_s}
                                  << QByteArray("jeu inconnu \"sa\" : --game attend vc ou gta3");
    QTest::newRow("two files") << QStringList{u"scan"_s, u"a"_s, u"b"_s}
                               << QByteArray("scan attend un seul fichier");
}

void tst_BitloomFlags::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);

    const Run r = run(arguments);
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.err, QByteArray("bitloom-flags: " + message + "\nAide : bitloom-flags --help\n"));
}

void tst_BitloomFlags::helpAndVersion()
{
    const Run help = run({u"--help"_s});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.startsWith("Utilisation : bitloom-flags [OPTIONS] COMMANDE ARGUMENTS...\n"));
    QCOMPARE(help.err, QByteArray());

    const Run version = run({u"--version"_s});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QByteArray("bitloom-flags " BITLOOM_VERSION "\n"));
}

QTEST_GUILESS_MAIN(tst_BitloomFlags)
#include "tst_bitloomflags.moc"
