// The built bitloom-flags, run as a user or a script runs it.
#include "support/HandlingText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringEncoder>
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

Run run(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(QStringLiteral(BITLOOM_FLAGS_PROGRAM), arguments);
    process.write(input);
    process.closeWriteChannel();
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
    "; identifier mass ... flags lights",
    vehicleLine("LANDSTAL", "9047000"),
    vehicleLine("IDAHO", "0x50"),
    boatEntry("PREDATOR"),
    vehicleLine("STINGER", "0"),
    bikeEntry("BIKE"),
    flyingEntry("LANDSTAL"),
    vehicleLine("LINERUN", "4000c1"),
    vehicleLine("PREDATOR", "80000"),
    vehicleLine("BIKE", "10000"),
    ";the end",
});

// A file holding every mistake people make when editing it by hand, each on
// a line of its own; padded beyond the game's 55,000 bytes, and its end
// marker with no line break after it.
struct Mistakes {
    QByteArray text;
    int sizeLine = 0; // where the bytes go beyond the game's buffer
    int endLine = 0;
};

Mistakes mistakes()
{
    QByteArray oneShort = vehicleLine("IDAHO", "0");
    oneShort.remove(oneShort.indexOf(' '), 7); // the mass
    QByteArray text = lines({
        "; made-up handling file with the mistakes people make", // 1
        vehicleLine("LANDSTAL", "220"),                          // 2
        oneShort,                                                // 3
        vehicleLine("STINGER", "c0002180"),                      // 4
        vehicleLine("LINERUN", "0x40002004"),                    // 5
        vehicleLine("SENTINEL", "0"),                            // 6
        vehicleLine("SENTINEL", "200"),                          // 7
        vehicleLine("BIKE", "10000"),                            // 8
        vehicleLine("PREDATOR", "80000"),                        // 9
        vehicleLine("MAVERICK", "20000"),                        // 10
        vehicleLine("DODO", "40000"),                            // 11
        vehicleLine("FREEWAY", "0"),                             // 12
        bikeEntry("FREEWAY"),                                    // 13
        "; " + QByteArray(230, '-'),                             // 14
    });
    int line = 14;
    while (text.size() < 56000) {
        text += "; " + QByteArray(97, '.') + '\n';
        ++line;
    }
    Mistakes result;
    result.sizeLine = static_cast<int>(text.left(55000).count('\n')) + 1;
    result.text = text + ";the end";
    result.endLine = line + 1;
    return result;
}

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
    void checkReportsEveryMistakeOnItsLine();
    void checkJson();
    void scanListsEveryVehicleLine();
    void scanOnlyTheVehiclesNamed();
    void standardInput();
    void utf16File();
    void otherEncodingsAreNamed();
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
             QByteArray("   ligne  identifiant  ae       lu       flags\n"
                        "   3      LANDSTAL     9047000  9047000  NEUTRAL_HANDLING HAS_NO_ROOF "
                        "IS_BIG IS_PLANE FAT_REAR SPECIAL_FLIGHT\n"
                        "   4      IDAHO        0x50     50       NO_DOORS IS_BUS\n"
                        "   5      PREDATOR                       entrée bateau (%)\n"
                        "   6      STINGER      0        0        -\n"
                        "   7      BIKE                           entrée moto (!)\n"
                        "   8      LANDSTAL                       entrée vol ($)\n"
                        "   9      LINERUN      4000c1   4000C1   1G_BOOST IS_BUS IS_LOW "
                        "HANDBRAKE_TYRE\n"
                        "   10     PREDATOR     80000    80000    IS_BOAT\n"
                        "   11     BIKE         10000    10000    IS_BIKE\n"
                        "\n"
                        "lignes de véhicules : 9 (6 standard, 1 bateau, 1 moto, 1 vol) ; 0 erreur "
                        "(E) ; 0 avertissement (A)\n"));
}

void tst_BitloomFlags::scanJson()
{
    const QString path = write(sampleFile);
    const Run r = run({u"scan"_s, u"--json"_s, path});
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.status, 0);

    QJsonParseError error{};
    const QJsonObject object = QJsonDocument::fromJson(r.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object[u"file"].toString(), path);
    QCOMPARE(object[u"game"].toString(), u"vc"_s);
    QCOMPARE(object[u"column"].toString(), u"ae"_s);
    QCOMPARE(object[u"counts"].toObject(), QJsonDocument::fromJson(R"(
        {"lines": {"standard": 6, "boat": 1, "bike": 1, "flying": 1}, "errors": 0, "warnings": 0}
    )")
                                               .object());

    const QJsonArray vehicles = object[u"vehicles"].toArray();
    QCOMPARE(vehicles.size(), 9);
    QCOMPARE(vehicles[0].toObject(), QJsonDocument::fromJson(R"(
        {"line": 3, "kind": "standard", "identifier": "LANDSTAL", "raw": "9047000",
         "gameReads": "9047000", "value": "9047000",
         "flags": ["NEUTRAL_HANDLING", "HAS_NO_ROOF", "IS_BIG", "IS_PLANE", "FAT_REAR",
                   "SPECIAL_FLIGHT"]}
    )")
                                         .object());
    QCOMPARE(vehicles[1].toObject(), QJsonDocument::fromJson(R"(
        {"line": 4, "kind": "standard", "identifier": "IDAHO", "raw": "0x50", "gameReads": "50",
         "value": "50", "flags": ["NO_DOORS", "IS_BUS"]}
    )")
                                         .object());
    QCOMPARE(vehicles[2].toObject(), QJsonDocument::fromJson(R"(
        {"line": 5, "kind": "boat", "identifier": "PREDATOR"}
    )")
                                         .object());
    QCOMPARE(object[u"problems"].toArray(), QJsonArray());
}

// Each bad line with what a script needs: where, how bad, which check, which
// vehicle, why, and what the game reads instead; every line is still listed.
void tst_BitloomFlags::scanJsonListsTheProblems()
{
    const QString path = write(lines({
        vehicleLine("STINGER", "40"), vehicleLine("IDAHO", "9047000xyz"),
        vehicleLine("LINERUN", "zz"), vehicleLine("PEREN", "F0000040"), "MANANA 1 2",
        vehicleLine("CAF\xC9", "40"), // Windows-1252, not UTF-8
    }));
    const Run r = run({u"scan"_s, u"--json"_s, path});
    QCOMPARE(r.status, 1);
    QJsonParseError error{};
    const QJsonObject object = QJsonDocument::fromJson(r.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonArray vehicles = object[u"vehicles"].toArray();
    QCOMPARE(vehicles.size(), 6);
    QCOMPARE(vehicles[0][u"level"].toString(u"<none>"_s), u"<none>"_s);
    QCOMPARE(vehicles[1][u"gameReads"].toString(), u"9047000"_s);
    QCOMPARE(vehicles[1][u"level"].toString(), u"error"_s);
    QCOMPARE(vehicles[2][u"flags"].toArray(), QJsonArray());
    QVERIFY(!vehicles[2].toObject().contains(u"gameReads"));
    QCOMPARE(vehicles[3][u"value"].toString(), u"40"_s);
    QCOMPARE(vehicles[3][u"extraBits"].toString(), u"F0000000"_s);
    QCOMPARE(vehicles[3][u"level"].toString(), u"warning"_s);

    const QJsonArray expected = QJsonDocument::fromJson(R"([
        {"line": 2, "level": "error", "rule": "flags", "identifier": "IDAHO", "raw": "9047000xyz",
         "message": "valeur \"9047000xyz\" : caractère non hexadécimal 'x' en position 8 ; le jeu lirait 9047000",
         "gameReads": "9047000"},
        {"line": 2, "level": "error", "rule": "section", "identifier": "IDAHO",
         "message": "IS_PLANE sans entrée vol ($) pour ce véhicule : le jeu prend pour lui des données vides"},
        {"line": 3, "level": "error", "rule": "flags", "identifier": "LINERUN", "raw": "zz",
         "message": "valeur \"zz\" : caractère non hexadécimal 'z' en position 1 ; le jeu ne lirait aucune valeur sûre"},
        {"line": 4, "level": "warning", "rule": "flags", "identifier": "PEREN", "raw": "F0000040",
         "message": "valeur \"F0000040\" : bits F0000000 au-delà des 28 flags de GTA: Vice-City ; le jeu les ignore et lit les flags 40",
         "gameReads": "F0000040"},
        {"line": 5, "level": "error", "rule": "fields", "identifier": "MANANA",
         "message": "3 champs, il en faut 33 pour une ligne standard de GTA: Vice-City : les colonnes qui suivent le manque sont décalées ; le jeu ne lit rien dans la colonne \"ae\""},
        {"line": 6, "level": "error", "rule": "vehicle", "identifier": "CAF\uFFFD",
         "message": "identifiant \"CAF\uFFFD\" inconnu de GTA: Vice-City : le jeu écrit hors de sa table et peut planter"},
        {"line": 6, "level": "error", "rule": "end",
         "message": "pas de ligne \";the end\" : le jeu ne saurait pas où s'arrêtent les données"}
    ])")
                                    .array();
    QVERIFY(!expected.isEmpty());
    QCOMPARE(object[u"problems"].toArray(), expected);
    QCOMPARE(object[u"counts"][u"errors"].toInt(), 6);
    QCOMPARE(object[u"counts"][u"warnings"].toInt(), 1);
    // The error output still has them, for a person.
    QCOMPARE(r.err.count('\n'), expected.size());
}

void tst_BitloomFlags::unreadFileInJson()
{
    const QString path = dir.filePath(u"absent.cfg"_s);
    const Run r = run({u"scan"_s, u"--json"_s, path});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.err, QByteArray(path.toUtf8() + ": erreur : fichier introuvable\n"));
    const QJsonObject object = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(object[u"file"].toString(), path);
    QCOMPARE(object[u"vehicles"].toArray(), QJsonArray());
    QCOMPARE(object[u"problems"].toArray(),
             QJsonDocument::fromJson(R"([{"level": "error", "message": "fichier introuvable"}])")
                 .array());
}

void tst_BitloomFlags::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("file"); // written to FILE when not null
    QTest::addColumn<QByteArray>("err");  // FILE stands for the file's path

    const QByteArray noFile;
    QTest::newRow("not hex") << QStringList{u"decode"_s, u"9047000xyz"_s} << noFile
                             << QByteArray("bitloom-flags: erreur : valeur \"9047000xyz\" : "
                                           "caractère non hexadécimal 'x' en position 8 ; le jeu "
                                           "lirait 9047000\n");
    QTest::newRow("nothing the game reads")
        << QStringList{u"decode"_s, u"zz"_s} << noFile
        << QByteArray("bitloom-flags: erreur : valeur \"zz\" : caractère non hexadécimal 'z' en "
                      "position 1 ; le jeu ne lirait aucune valeur sûre\n");
    QTest::newRow("0x, then not hex")
        << QStringList{u"decode"_s, u"0xZZ"_s} << noFile
        << QByteArray("bitloom-flags: erreur : valeur \"0xZZ\" : caractère non hexadécimal 'Z' "
                      "en position 3 ; le jeu lirait 0\n");
    QTest::newRow("above 32 bits")
        << QStringList{u"decode"_s, u"1FFFFFFFF"_s} << noFile
        << QByteArray("bitloom-flags: erreur : valeur \"1FFFFFFFF\" : plus de 32 bits ; le jeu "
                      "ne lirait aucune valeur sûre\n");
    QTest::newRow("empty value") << QStringList{u"decode"_s, QString()} << noFile
                                 << QByteArray("bitloom-flags: erreur : valeur vide\n");
    QTest::newRow("unknown flag") << QStringList{u"encode"_s, u"IS_TRAIN"_s} << noFile
                                  << QByteArray(
                                         "bitloom-flags: erreur : flag inconnu \"IS_TRAIN\"\n");
    QTest::newRow("misspelt flag")
        << QStringList{u"encode"_s, u"HALOGEN_LIGHT"_s} << noFile
        << QByteArray("bitloom-flags: erreur : flag inconnu \"HALOGEN_LIGHT\" ; vouliez-vous "
                      "dire HALOGEN_LIGHTS ?\n");
    QTest::newRow("flag not in gta3")
        << QStringList{u"encode"_s, u"--game=gta3"_s, u"IS_BIKE"_s} << noFile
        << QByteArray("bitloom-flags: erreur : le flag \"IS_BIKE\" n'est pas parmi les 16 flags "
                      "de GTA3\n");

    const QStringList scanFile{u"scan"_s, u"FILE"_s};
    QTest::newRow("too few fields")
        << scanFile << crlfLines({"; x", "LANDSTAL 1700.0 5.0 4.0", ";the end"})
        << QByteArray("FILE:2: erreur : LANDSTAL : 4 champs, il en faut 33 pour une ligne "
                      "standard de GTA: Vice-City : les colonnes qui suivent le manque sont "
                      "décalées ; le jeu ne lit rien dans la colonne \"ae\"\n");
    QTest::newRow("gta3 too few fields")
        << QStringList{u"scan"_s, u"--game"_s, u"gta3"_s, u"FILE"_s}
        << crlfLines({"LANDSTAL 1700.0", ";the end"})
        << QByteArray("FILE:1: erreur : LANDSTAL : 2 champs, il en faut 32 pour une ligne "
                      "standard de GTA3 : les colonnes qui suivent le manque sont décalées ; le "
                      "jeu ne lit rien dans la colonne \"ad\"\n");
    QTest::newRow("flags not hex")
        << scanFile << crlfLines({"; x", vehicleLine("IDAHO", "2180xyz"), ";the end"})
        << QByteArray("FILE:2: erreur : IDAHO : valeur \"2180xyz\" : caractère non hexadécimal "
                      "'x' en position 5 ; le jeu lirait 2180\n");
    QTest::newRow("control characters in the identifier")
        << scanFile << crlfLines({vehicleLine("IDAHO", "4\x01"), ";the end"})
        << QByteArray("FILE:1: erreur : IDAHO : valeur \"4\\x01\" : octet non hexadécimal 0x01 "
                      "en position 2 ; le jeu lirait 4\n");
    QTest::newRow("binary file")
        << scanFile << QByteArray("; x\n; y\nAB") + '\0' + "CD\n;the end\n"
        << QByteArray("FILE:3: erreur : fichier binaire (octet nul) : lecture abandonnée\n");
    QTest::newRow("no end") << scanFile << crlfLines({"; x", vehicleLine("IDAHO", "50")})
                            << QByteArray("FILE:2: erreur : pas de ligne \";the end\" : le jeu "
                                          "ne saurait pas où s'arrêtent les données\n");
    QTest::newRow("missing file") << QStringList{u"scan"_s, u"NOFILE"_s} << noFile
                                  << QByteArray("NOFILE: erreur : fichier introuvable\n");
    QTest::newRow("directory") << QStringList{u"scan"_s, u"DIR"_s} << noFile
                               << QByteArray("DIR: erreur : c'est un dossier, pas un fichier\n");
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

void tst_BitloomFlags::checkReportsEveryMistakeOnItsLine()
{
    const Mistakes file = mistakes();
    const QString path = write(file.text);
    const Run r = run({u"check"_s, path});
    QCOMPARE(r.err, QByteArray());
    const QByteArray at = path.toUtf8() + ':';
    const QByteArray empty = " pour ce véhicule : le jeu prend pour lui des données vides\n";
    QCOMPARE(r.out,
             at
                 + "3: erreur : IDAHO : 32 champs, il en faut 33 pour une ligne standard de GTA: "
                   "Vice-City : les colonnes qui suivent le manque sont décalées ; le jeu lit "
                   "\"1\" dans la colonne \"ae\"\n"
                 + at
                 + "4: avertissement : STINGER : valeur \"c0002180\" : bits C0000000 au-delà "
                   "des 28 flags de GTA: Vice-City ; le jeu les ignore et lit les flags 2180\n"
                 + at
                 + "5: avertissement : LINERUN : valeur \"0x40002004\" : bits 40000000 au-delà "
                   "des 28 flags de GTA: Vice-City ; le jeu les ignore et lit les flags 2004\n"
                 + at
                 + "6: erreur : SENTINEL : défini à nouveau ligne 7 (ligne standard) : le jeu "
                   "garde la dernière définition et ignore celle-ci\n"
                 + at + "8: erreur : BIKE : IS_BIKE sans entrée moto (!)" + empty + at
                 + "9: erreur : PREDATOR : IS_BOAT sans entrée bateau (%)" + empty + at
                 + "10: erreur : MAVERICK : IS_HELI sans entrée vol ($)" + empty + at
                 + "11: erreur : DODO : IS_PLANE sans entrée vol ($)" + empty + at
                 + "13: avertissement : FREEWAY : entrée moto (!) alors que la ligne standard "
                   "(ligne 12) n'a pas IS_BIKE : le jeu ne s'en sert sans doute pas\n"
                 + at
                 + "14: erreur : ligne de 232 caractères : le jeu n'en prévoit que 200 et peut "
                   "planter\n"
                 + at + QByteArray::number(file.sizeLine) + ": erreur : fichier de "
                 + QByteArray::number(file.text.size())
                 + " octets : le jeu n'en prévoit que 55000, et cette ligne les dépasse ; il "
                   "peut planter ou lire de travers\n"
                 + at + QByteArray::number(file.endLine)
                 + ": erreur : pas de saut de ligne après \";the end\" : le jeu lit au-delà de "
                   "la fin du fichier\n"
                   "1 fichier vérifié : 9 erreurs, 3 avertissements\n");
    QCOMPARE(r.status, 1);

    // Warnings alone do not fail.
    const QString warnedFile
        = write(lines({vehicleLine("STINGER", "c0002180"), ";the end"}), u"warned.cfg"_s);
    const Run warned = run({u"check"_s, warnedFile});
    QVERIFY(warned.out.endsWith("\n1 fichier vérifié : 0 erreur, 1 avertissement\n"));
    QCOMPARE(warned.status, 0);
}

void tst_BitloomFlags::checkJson()
{
    const QString good = write(sampleFile, u"good.cfg"_s);
    const QString bad = write(lines({vehicleLine("MANANNA", "0"), ";the end"}), u"bad.cfg"_s);
    const QString absent = dir.filePath(u"absent.cfg"_s);
    const Run r = run({u"check"_s, u"--json"_s, good, bad, absent});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.err, QByteArray());
    QJsonParseError error{};
    const QJsonObject object = QJsonDocument::fromJson(r.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);

    QJsonObject expected = QJsonDocument::fromJson(R"({
        "game": "vc",
        "files": [
            {"file": "GOOD", "errors": 0, "warnings": 0, "problems": []},
            {"file": "BAD", "errors": 1, "warnings": 0, "problems": [
                {"line": 1, "level": "error", "rule": "vehicle", "identifier": "MANANNA",
                 "message": "identifiant \"MANANNA\" inconnu de GTA: Vice-City : le jeu écrit hors de sa table et peut planter ; vouliez-vous dire MANANA ?"}
            ]},
            {"file": "ABSENT", "errors": 1, "warnings": 0, "problems": [
                {"level": "error", "message": "fichier introuvable"}
            ]}
        ],
        "errors": 2,
        "warnings": 0
    })")
                               .object();
    QJsonArray files = expected[u"files"].toArray();
    const QStringList paths{good, bad, absent};
    for (int i = 0; i < files.size(); ++i) {
        QJsonObject entry = files[i].toObject();
        entry[u"file"] = paths[i];
        files[i] = entry;
    }
    expected[u"files"] = files;
    QCOMPARE(object, expected);
}

void tst_BitloomFlags::scanListsEveryVehicleLine()
{
    const Run r = run({u"scan"_s, write(mistakes().text)});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.err.count('\n'), 12);
    QList<QByteArray> rows = r.out.split('\n');
    QCOMPARE(rows.takeFirst(), QByteArray("   ligne  identifiant  ae          lu        flags"));
    // Every vehicle line, marked by the worst of its problems.
    QByteArrayList marks;
    for (const QByteArray &row : rows.first(12))
        marks << row.left(row.indexOf("  ", 3)).simplified();
    QCOMPARE(marks, (QByteArrayList{"2", "E 3", "A 4", "A 5", "E 6", "7", "E 8", "E 9", "E 10",
                                    "E 11", "12", "A 13"}));
    QCOMPARE(rows[1], QByteArray("E  3      IDAHO        1           1         1G_BOOST"));
    QCOMPARE(rows[2], QByteArray("A  4      STINGER      c0002180    C0002180  IS_LOW DBL_EXHAUST "
                                 "HAS_NO_ROOF (+ bits hors flags : C0000000)"));
    QCOMPARE(rows.mid(12),
             (QList<QByteArray>{"",
                                "lignes de véhicules : 12 (11 standard, 1 moto) ; 9 erreurs "
                                "(E) ; 3 avertissements (A)",
                                ""}));
}

void tst_BitloomFlags::scanOnlyTheVehiclesNamed()
{
    const QString path = write(mistakes().text);
    const Run r = run({u"scan"_s, path, u"sentinel"_s, u"FREEWAY"_s, u"BLISTA"_s});
    QCOMPARE(r.status, 1);
    // The vehicles' problems, and those of the whole file: ":line: level : identifier".
    QByteArrayList where;
    for (const QByteArray &line : r.err.split('\n')) {
        const QList<QByteArray> parts = line.mid(path.toUtf8().size()).split(' ');
        where << parts.mid(0, 4).join(' ');
    }
    const QByteArray sizeLine = QByteArray::number(mistakes().sizeLine);
    const QByteArray endLine = QByteArray::number(mistakes().endLine);
    QCOMPARE(where, (QByteArrayList{": avertissement : aucune", ":6: erreur : SENTINEL",
                                    ":13: avertissement : FREEWAY", ":14: erreur : ligne",
                                    ':' + sizeLine + ": erreur : fichier",
                                    ':' + endLine + ": erreur : pas", ""}));
    QCOMPARE(r.out, QByteArray("   ligne  identifiant  ae   lu   flags\n"
                               "E  6      SENTINEL     0    0    -\n"
                               "   7      SENTINEL     200  200  TAILGATE_BOOT\n"
                               "   12     FREEWAY      0    0    -\n"
                               "A  13     FREEWAY                entrée moto (!)\n"
                               "\n"
                               "lignes de véhicules : 4 (3 standard, 1 moto) ; 4 erreurs (E) ; 2 "
                               "avertissements (A)\n"));
}

void tst_BitloomFlags::standardInput()
{
    const Run scan = run({u"scan"_s, u"-"_s}, sampleFile);
    QCOMPARE(scan.status, 0);
    QVERIFY(scan.out.contains("LINERUN      4000c1"));

    const Run check = run({u"check"_s, u"-"_s}, lines({vehicleLine("IDAHO", "0xZZ"), ";the end"}));
    QCOMPARE(check.out, QByteArray("-:1: erreur : IDAHO : valeur \"0xZZ\" : caractère non "
                                   "hexadécimal 'Z' en position 3 ; le jeu lirait 0\n"
                                   "1 fichier vérifié : 1 erreur, 0 avertissement\n"));
    QCOMPARE(check.status, 1);
}

// What Notepad calls "Unicode": read, and reported, since the game cannot.
void tst_BitloomFlags::utf16File()
{
    QStringEncoder encoder(QStringConverter::Utf16LE);
    const QByteArray text = "\xFF\xFE" + QByteArray(encoder(QString::fromUtf8(sampleFile)));
    const Run r = run({u"scan"_s, write(text)});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.endsWith(":1: erreur : fichier en UTF-16 LE (« Unicode » pour le Bloc-notes) : "
                            "le jeu lit un octet par caractère et n'y comprend rien ; "
                            "enregistrez-le en ANSI\n"),
             r.err.constData());
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY(r.out.contains("   9      LINERUN      4000c1   4000C1   1G_BOOST IS_BUS IS_LOW "
                           "HANDBRAKE_TYRE\n"));
}

void tst_BitloomFlags::otherEncodingsAreNamed()
{
    const QString path = write(QByteArray("\xFF\xFE\0\0;\0\0\0", 8));
    const Run r = run({u"check"_s, path});
    QCOMPARE(r.out, path.toUtf8()
                        + ": erreur : fichier en UTF-32 LE (d'après sa marque d'ordre "
                          "des octets) : encodage non lu ; enregistrez-le en ANSI\n"
                          "1 fichier vérifié : 1 erreur, 0 avertissement\n");
    QCOMPARE(r.status, 1);
}

void tst_BitloomFlags::unreadableFile()
{
    const QString path = write(sampleFile, u"unreadable.cfg"_s);
    QFile::setPermissions(path, QFileDevice::Permissions());
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("permissions do not stop this user (root?)");
    const Run r = run({u"scan"_s, path});
    QCOMPARE(r.err, QByteArray(path.toUtf8() + ": erreur : impossible d'ouvrir le fichier\n"));
    QCOMPARE(r.status, 1);
}

void tst_BitloomFlags::endlessFileDoesNotHang()
{
    if (!QFile::exists(u"/dev/zero"_s))
        QSKIP("no /dev/zero here");
    const Run r = run({u"scan"_s, u"/dev/zero"_s});
    QCOMPARE(r.err, QByteArray("/dev/zero:1: erreur : fichier binaire (octet nul) : lecture "
                               "abandonnée\n"));
    QCOMPARE(r.status, 1);
}

// Some megabytes, Windows endings: read whole, every line checked, in well
// under the timeout.
void tst_BitloomFlags::largeFile()
{
    const QByteArrayList identifiers{"LANDSTAL", "IDAHO", "STINGER", "LINERUN", "PEREN"};
    QByteArray text;
    constexpr int vehicles = 40000;
    for (int i = 0; i < vehicles; ++i)
        text += vehicleLine(identifiers[i % identifiers.size()],
                            QByteArray::number(i * 977 % 0xFFFF, 16))
                + "\r\n";
    text += ";the end\r\n";
    const Run r = run({u"scan"_s, write(text)});
    QCOMPARE(r.status, 1);
    // All but the last five define their vehicle again further on, and the
    // file is far too large for the game: one line each on the error output.
    // (The values keep to digits 1 to 4: no vehicle needs a section entry.)
    QCOMPARE(r.err.count('\n'), vehicles - 5 + 1);
    const QList<QByteArray> rows = r.out.split('\n');
    QCOMPARE(rows.size(), 1 + vehicles + 3);
    QVERIFY(rows[vehicles].startsWith("   40000  PEREN "));
    QVERIFY(rows[vehicles + 2].startsWith("lignes de véhicules : 40000 ; 39996 erreurs (E)"));
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
                             << QByteArray(
                                    "commande manquante (decode, encode, list, scan ou check)");
    QTest::newRow("unknown command") << QStringList{u"verify"_s, u"1"_s}
                                     << QByteArray("commande inconnue \"verify\" (decode, encode, "
                                                   "list, scan ou check)");
    QTest::newRow("no value") << QStringList{u"decode"_s}
                              << QByteArray("decode attend au moins une valeur");
    QTest::newRow("unknown option")
        << QStringList{u"decode"_s, u"--hex"_s, u"1"_s} << QByteArray("option inconnue \"--hex\"");
    QTest::newRow("unknown game") << QStringList{u"--game=sa"_s, u"decode"_s, u"1"_s}
                                  << QByteArray("jeu inconnu \"sa\" : --game attend vc ou gta3");
    QTest::newRow("list, an operand")
        << QStringList{u"list"_s, u"a"_s} << QByteArray("list n'attend aucun argument");
    QTest::newRow("standard input twice")
        << QStringList{u"check"_s, u"-"_s, u"-"_s}
        << QByteArray("l'entrée standard (\"-\") ne se lit qu'une fois");
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
    // A usage line, then sections, as help2man reads them; each command and
    // the exit statuses said.
    for (const char *heading : {"\nCommandes :\n", "\nOptions :\n", "\nValeurs :\n",
                                "\nFichiers :\n", "\nProblèmes :\n", "\nCode de sortie :\n"})
        QVERIFY2(help.out.contains(heading), heading);
    for (const char *command :
         {"\n  decode ", "\n  encode ", "\n  list ", "\n  scan ", "\n  check "})
        QVERIFY2(help.out.contains(command), command);
    QVERIFY(help.out.contains("0  aucune erreur"));

    const Run version = run({u"--version"_s});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QByteArray("bitloom-flags " BITLOOM_VERSION "\n"));
}

QTEST_GUILESS_MAIN(tst_BitloomFlags)
#include "tst_bitloomflags.moc"
