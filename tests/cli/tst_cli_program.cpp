#include "cli/CommandRunner.h"
#include "flags/FlagCatalogue.h"
#include "support/StdText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <sstream>
#include <utility>

using namespace Qt::StringLiterals;

using namespace bitloom;

namespace {

struct Run {
    int status;
    QByteArray out;
    QByteArray err;
};

Run run(const QStringList &arguments, const QByteArray &input = {})
{
    const tests::Arguments views(arguments);
    std::istringstream in(input.toStdString());
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCommandLine(views.list(), in, out, err);
    return {status, tests::bytes(out.str()), tests::bytes(err.str())};
}

QString nameOf(int bit)
{
    return tests::text(flags::flagAt(bit).name);
}

// The value text worked out apart from the program: upper-case hex, no zeros in front.
QByteArray expectedText(const QList<int> &bits)
{
    quint32 value = 0;
    for (int bit : bits)
        value |= 1u << bit;
    return QByteArray::number(value, 16).toUpper();
}

// One decoded value of `decode --json`: its value and the names of its flags.
struct Decoded {
    QString value;
    QStringList names;
};

QList<Decoded> decodedValues(const QByteArray &json)
{
    QList<Decoded> values;
    const QJsonDocument document = QJsonDocument::fromJson(json);
    for (const QJsonValue &entry : document.object().value(u"values").toArray()) {
        Decoded decoded{entry[u"value"].toString(), {}};
        for (const QJsonValue &flag : entry[u"flags"].toArray())
            decoded.names << flag[u"name"].toString();
        values << decoded;
    }
    return values;
}

} // namespace

class tst_Program : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyFlagRoundTrips();
    void randomSetsRoundTrip();
    void decodeReadsTheGameForms_data();
    void decodeReadsTheGameForms();
    void goodValuesAreReportedBesideBadOnes();
    void encodeGivesNoValueForABadName();
    void jsonCarriesTheProblems_data();
    void jsonCarriesTheProblems();
    void encodeFromAValue_data();
    void encodeFromAValue();
    void decodeListsTheFlagsOfExtraBits();
    void listGivesEveryFlag();
};

void tst_Program::everyFlagRoundTrips()
{
    for (int bit = 0; bit < flags::flagCount; ++bit) {
        const Run encoded = run({u"encode"_s, nameOf(bit)});
        QCOMPARE(encoded.status, 0);
        QCOMPARE(encoded.out, expectedText({bit}) + '\n');

        const Run decoded
            = run({u"decode"_s, u"--json"_s, QString::fromUtf8(encoded.out.trimmed())});
        QCOMPARE(decoded.status, 0);
        const QList<Decoded> values = decodedValues(decoded.out);
        QCOMPARE(values.size(), 1);
        QCOMPARE(values[0].names, QStringList{nameOf(bit)});
        QCOMPARE(values[0].value.toUtf8(), expectedText({bit}));
    }
}

void tst_Program::randomSetsRoundTrip()
{
    QRandomGenerator random(20240607);
    for (int round = 0; round < 300; ++round) {
        QList<int> bits;
        for (int bit = 0; bit < flags::flagCount; ++bit) {
            if (random.bounded(2) == 1)
                bits << bit;
        }
        if (bits.isEmpty())
            bits << random.bounded(flags::flagCount);

        // Names in any order and case, some twice.
        QStringList names;
        for (int bit : bits)
            names << (random.bounded(2) == 1 ? nameOf(bit) : nameOf(bit).toLower());
        names << names.at(random.bounded(names.size()));
        std::shuffle(names.begin(), names.end(), random);

        const Run encoded = run(QStringList{u"encode"_s} + names);
        QCOMPARE(encoded.status, 0);
        QCOMPARE(encoded.out, expectedText(bits) + '\n');

        const Run decoded
            = run({u"--json"_s, u"decode"_s, QString::fromUtf8(encoded.out.trimmed())});
        QCOMPARE(decoded.status, 0);
        QStringList expectedNames;
        for (int bit : bits)
            expectedNames << nameOf(bit);
        QCOMPARE(decodedValues(decoded.out).value(0).names, expectedNames);
    }
}

void tst_Program::decodeReadsTheGameForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("names");

    const QStringList names9047000{u"NEUTRAL_HANDLING"_s, u"HAS_NO_ROOF"_s, u"IS_BIG"_s,
                                   u"IS_PLANE"_s,         u"FAT_REAR"_s,    u"SPECIAL_FLIGHT"_s};
    QTest::newRow("as written") << u"9047000"_s << u"9047000"_s << names9047000;
    QTest::newRow("0x prefix") << u"0x9047000"_s << u"9047000"_s << names9047000;
    QTest::newRow("leading zero") << u"09047000"_s << u"9047000"_s << names9047000;
    QTest::newRow("0X prefix and zeros") << u"0X009047000"_s << u"9047000"_s << names9047000;

    const QStringList namesC0 = {u"IS_BUS"_s, u"IS_LOW"_s};
    QTest::newRow("upper case") << u"C0"_s << u"C0"_s << namesC0;
    QTest::newRow("lower case") << u"c0"_s << u"C0"_s << namesC0;
    QTest::newRow("lower case, prefixed") << u"0x0c0"_s << u"C0"_s << namesC0;
    QTest::newRow("no flag") << u"0x0"_s << u"0"_s << QStringList();
}

void tst_Program::decodeReadsTheGameForms()
{
    QFETCH(QString, text);
    QFETCH(QString, value);
    QFETCH(QStringList, names);

    const Run decoded = run({u"decode"_s, u"--json"_s, text});
    QCOMPARE(decoded.status, 0);
    QCOMPARE(decoded.err, QByteArray());
    const QList<Decoded> values = decodedValues(decoded.out);
    QCOMPARE(values.size(), 1);
    QCOMPARE(values[0].value, value);
    QCOMPARE(values[0].names, names);
}

void tst_Program::goodValuesAreReportedBesideBadOnes()
{
    const Run decoded = run({u"decode"_s, u"--json"_s, u"40"_s, u"4x"_s, u"10"_s});
    QCOMPARE(decoded.status, 1);
    const QList<Decoded> values = decodedValues(decoded.out);
    QCOMPARE(values.size(), 2);
    QCOMPARE(values[0].names, QStringList{u"IS_BUS"_s});
    QCOMPARE(values[1].names, QStringList{u"NO_DOORS"_s});
    QCOMPARE(decoded.err, QByteArray("bitloom-flags: erreur : valeur \"4x\" : caractère non "
                                     "hexadécimal 'x' en position 2 ; le jeu lirait 4\n"));
}

void tst_Program::encodeGivesNoValueForABadName()
{
    const Run encoded = run({u"encode"_s, u"IS_BUS"_s, u"IS_BSU"_s});
    QCOMPARE(encoded.status, 1);
    QCOMPARE(encoded.out, QByteArray());
    QCOMPARE(encoded.err, QByteArray("bitloom-flags: erreur : flag inconnu \"IS_BSU\" ; "
                                     "vouliez-vous dire IS_BUS ?\n"));
}

void tst_Program::jsonCarriesTheProblems_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("problems"); // the JSON array expected
    QTest::addColumn<bool>("hasValue");       // for encode: whether "value" is given

    QTest::newRow("decode, all good")
        << QStringList{u"decode"_s, u"40"_s} << 0 << QByteArray("[]") << true;
    QTest::newRow("decode, bad values")
        << QStringList{u"decode"_s, u"40"_s, u"4x"_s, QString(), u"1FFFFFFF"_s, u"zz"_s} << 1
        << QByteArray(R"([
            {"input": "4x", "level": "error", "message": "valeur \"4x\" : caractère non hexadécimal 'x' en position 2 ; le jeu lirait 4", "gameReads": "4"},
            {"input": "", "level": "error", "message": "valeur vide"},
            {"input": "1FFFFFFF", "level": "warning", "message": "valeur \"1FFFFFFF\" : bits 10000000 au-delà des 28 flags de GTA: Vice-City ; le jeu les ignore et lit les flags FFFFFFF", "gameReads": "1FFFFFFF"},
            {"input": "zz", "level": "error", "message": "valeur \"zz\" : caractère non hexadécimal 'z' en position 1 ; le jeu ne lirait aucune valeur sûre"}
        ])")
        << true;
    QTest::newRow("encode, all good")
        << QStringList{u"encode"_s, u"IS_BUS"_s} << 0 << QByteArray("[]") << true;
    QTest::newRow("encode, bad names")
        << QStringList{u"--game=gta3"_s, u"encode"_s, u"IS_BUS"_s, u"IS_TRAIN"_s, u"is_bike"_s} << 1
        << QByteArray(R"([
            {"input": "IS_TRAIN", "level": "error", "message": "flag inconnu \"IS_TRAIN\""},
            {"input": "is_bike", "level": "error", "message": "le flag \"is_bike\" n'est pas parmi les 16 flags de GTA3"}
        ])")
        << false;
}

void tst_Program::jsonCarriesTheProblems()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, problems);
    QFETCH(bool, hasValue);

    const Run r = run(QStringList{u"--json"_s} + arguments);
    QCOMPARE(r.status, status);
    QJsonParseError error{};
    const QJsonObject report = QJsonDocument::fromJson(r.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(report[u"problems"].toArray(), QJsonDocument::fromJson(problems).array());
    // A person still reads each problem on the error output.
    QCOMPARE(r.err.count('\n'), report[u"problems"].toArray().size());
    if (arguments.contains(u"encode"_s))
        QCOMPARE(report.contains(u"value"), hasValue);
}

void tst_Program::encodeFromAValue_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");

    QTest::newRow("add and remove") << QStringList{u"2180"_s, u"+GOOD_IN_SAND"_s, u"-IS_LOW"_s} << 0
                                    << QByteArray("4002100\n") << QByteArray();
    QTest::newRow("bare name adds")
        << QStringList{u"0x40"_s, u"no_doors"_s} << 0 << QByteArray("50\n") << QByteArray();
    QTest::newRow("removing an unset flag")
        << QStringList{u"40"_s, u"-IS_LOW"_s} << 0 << QByteArray("40\n") << QByteArray();
    QTest::newRow("in order") << QStringList{u"0"_s, u"+IS_BUS"_s, u"-IS_BUS"_s, u"IS_BUS"_s} << 0
                              << QByteArray("40\n") << QByteArray();
    QTest::newRow("header spelling")
        << QStringList{u"1000"_s, u"-NEUTRALHANDLING"_s} << 0 << QByteArray("0\n") << QByteArray();
    // The value comes first only; a name may begin with a digit.
    QTest::newRow("name with a digit")
        << QStringList{u"1G_BOOST"_s, u"2G_BOOST"_s} << 0 << QByteArray("3\n") << QByteArray();
    QTest::newRow("bits beyond the flags")
        << QStringList{u"40002004"_s, u"+IS_BUS"_s} << 0 << QByteArray("2044\n")
        << QByteArray("bitloom-flags: avertissement : valeur de départ \"40002004\" : bits "
                      "40000000 au-delà des 28 flags de GTA: Vice-City, retirés du résultat\n");
    QTest::newRow("bad value") << QStringList{u"21z0"_s, u"+IS_BUS"_s} << 1 << QByteArray()
                               << QByteArray("bitloom-flags: erreur : valeur \"21z0\" : caractère "
                                             "non hexadécimal 'z' en position 3 ; le jeu lirait "
                                             "21\n");
    QTest::newRow("misspelt removal")
        << QStringList{u"2180"_s, u"-IS_LOWW"_s} << 1 << QByteArray()
        << QByteArray("bitloom-flags: erreur : flag inconnu \"IS_LOWW\" ; vouliez-vous dire "
                      "IS_LOW ?\n");
}

void tst_Program::encodeFromAValue()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);

    const Run r = run(QStringList{u"encode"_s} + arguments);
    QCOMPARE(r.err, err);
    QCOMPARE(r.out, out);
    QCOMPARE(r.status, status);
}

// The game reads the flags among bits it does not know: a warning, not a failure.
void tst_Program::decodeListsTheFlagsOfExtraBits()
{
    const Run r = run({u"decode"_s, u"--json"_s, u"0x40002004"_s});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, QByteArray("bitloom-flags: avertissement : valeur \"0x40002004\" : bits "
                               "40000000 au-delà des 28 flags de GTA: Vice-City ; le jeu les "
                               "ignore et lit les flags 2004\n"));
    const QJsonObject value = QJsonDocument::fromJson(r.out)[u"values"][0].toObject();
    QCOMPARE(value[u"value"].toString(), u"2004"_s);
    QCOMPARE(value[u"extraBits"].toString(), u"40000000"_s);
    const QList<Decoded> values = decodedValues(r.out);
    QCOMPARE(values.value(0).names, (QStringList{u"REV_BONNET"_s, u"HAS_NO_ROOF"_s}));
}

void tst_Program::listGivesEveryFlag()
{
    for (const auto &[game, count] : {std::pair{u"vc"_s, 28}, std::pair{u"gta3"_s, 16}}) {
        const Run r = run({u"list"_s, u"--json"_s, u"--game"_s, game});
        QCOMPARE(r.status, 0);
        const QJsonArray list = QJsonDocument::fromJson(r.out)[u"flags"].toArray();
        QCOMPARE(list.size(), count);
        for (int bit = 0; bit < count; ++bit) {
            QCOMPARE(list[bit][u"bit"].toInt(), bit);
            QCOMPARE(list[bit][u"digit"].toInt(), bit / 4 + 1);
            QCOMPARE(list[bit][u"mask"].toString().toUInt(nullptr, 16), 1u << bit);
            QCOMPARE(list[bit][u"name"].toString(), nameOf(bit));
        }
        QCOMPARE(list[12][u"aliases"].toArray(), QJsonArray{u"NEUTRALHANDLING"_s});
    }
}

QTEST_GUILESS_MAIN(tst_Program)
#include "tst_cli_program.moc"
