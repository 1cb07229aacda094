#include "flags/FlagCatalogue.h"

#include <QTest>
#include <algorithm>
#include <numeric>
#include <set>
#include <stdexcept>

using namespace bitloom::flags;

namespace {

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Code points that Windows-1252 can hold: ASCII, Latin-1 from U+00A0, and
// the 27 characters it places in 0x80..0x9F.
bool inWindows1252(char32_t c)
{
    static const std::set<char32_t> extra{0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x017D, 0x2018,
                                          0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC,
                                          0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
    return c < 0x80 || (c >= 0xA0 && c <= 0xFF) || extra.count(c) == 1;
}

bool representableInWindows1252(std::string_view utf8)
{
    const QString text = QString::fromUtf8(bytes(utf8));
    if (text.toUtf8() != bytes(utf8))
        return false; // not valid UTF-8
    const QList<uint> codePoints = text.toUcs4();
    return std::all_of(codePoints.begin(), codePoints.end(),
                       [](uint c) { return inWindows1252(c); });
}

} // namespace

class tst_FlagCatalogue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void texts_data();
    void texts();
    void digitCaptions();
    void everyTextFitsWindows1252();
    void derivedValues_data();
    void derivedValues();
    void masksCoverEveryBitOnce();
    void digitsHoldTheirFourBits();
    void sharedDescriptionAndDistinctNames();
    void outOfRangeIsRejected();
};

// An independent copy of the catalogue: a typo on either side fails.
void tst_FlagCatalogue::texts_data()
{
    QTest::addColumn<int>("bit");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("description");

    QTest::newRow("bit 0") << 0 << QByteArray("1G_BOOST")
                           << QByteArray(
                                  "Donner de la puissance supplémentaire aux voitures lentes, "
                                  "permettant à la voiture de patiner au démarrage.");
    QTest::newRow("bit 1") << 1 << QByteArray("2G_BOOST")
                           << QByteArray("Donner de la puissance supplémentaire en coinçant et "
                                         "montant aux collines à la vitesse moyenne.");
    QTest::newRow("bit 2") << 2 << QByteArray("REV_BONNET")
                           << QByteArray("Inverser le capot de la voiture dans le sens opposée.");
    QTest::newRow("bit 3") << 3 << QByteArray("HANGING_BOOT")
                           << QByteArray("Mettre la charnière sur le bord supérieur.");
    QTest::newRow("bit 4") << 4 << QByteArray("NO_DOORS")
                           << QByteArray("Enlève l'animation qui la porte de la voiture. Le joueur "
                                         "glissera directement à l'intérieur.");
    QTest::newRow("bit 5") << 5 << QByteArray("IS_VAN")
                           << QByteArray("Permet d'avoir 2 portes à l'arrière du véhicule et "
                                         "permet aux passagers de s'assoir des 2 côtés.");
    QTest::newRow("bit 6")
        << 6 << QByteArray("IS_BUS")
        << QByteArray(
               "Le véhicule peut prendre des passagers quand il atteint des arrêts d'autobus.");
    QTest::newRow("bit 7")
        << 7 << QByteArray("IS_LOW")
        << QByteArray("Permet au joueur de s'assoir de façon à être plus bas dans la voiture.");
    QTest::newRow("bit 8") << 8 << QByteArray("DBL_EXHAUST")
                           << QByteArray("Créé un deuxième pot d'échappement");
    QTest::newRow("bit 9") << 9 << QByteArray("TAILGATE_BOOT")
                           << QByteArray("Mettre la charniere sur le bord inférieur.");
    QTest::newRow("bit 10") << 10 << QByteArray("NOSWING_BOOT")
                            << QByteArray("Arrête de faire pivoter le coffre.");
    QTest::newRow("bit 11")
        << 11 << QByteArray("NONPLAYER_STABILISER")
        << QByteArray("Modifie les performances de la voiture quand celle-ci est sous le contrôle "
                      "de l'IA pour diminuer les chances de se retourner.");
    QTest::newRow("bit 12") << 12 << QByteArray("NEUTRAL_HANDLING")
                            << QByteArray(
                                   "Modifie les performances de la voiture quand celle-ci est sous "
                                   "le contrôle de l'IA pour diminuer les chances de dérapage.");
    QTest::newRow("bit 13") << 13 << QByteArray("HAS_NO_ROOF")
                            << QByteArray("A plusieurs effets détaillés, y compris la capacité de "
                                          "tuer les occupants plus facilement.");
    QTest::newRow("bit 14") << 14 << QByteArray("IS_BIG")
                            << QByteArray(
                                   "Active un son qui intervient quand la voiture se renversse.");
    QTest::newRow("bit 15")
        << 15 << QByteArray("HALOGEN_LIGHTS")
        << QByteArray("Fait les feux plus brillants et leur donne une légère teinture.");
    QTest::newRow("bit 16") << 16 << QByteArray("IS_BIKE")
                            << QByteArray("Indique que ce véhicule a aussi une entrée de "
                                          "traitement spéciale dans la section \"moto\".");
    QTest::newRow("bit 17") << 17 << QByteArray("IS_HELI")
                            << QByteArray("Indique que ce véhicule a aussi une entrée de "
                                          "traitement spéciale dans la section \"hélicoptère\".");
    QTest::newRow("bit 18") << 18 << QByteArray("IS_PLANE")
                            << QByteArray("Indique que ce véhicule a aussi une entrée de "
                                          "traitement spéciale dans la section \"avion\".");
    QTest::newRow("bit 19") << 19 << QByteArray("IS_BOAT")
                            << QByteArray("Indique que ce véhicule a aussi une entrée de "
                                          "traitement spéciale dans la section \"bateau\".");
    QTest::newRow("bit 20") << 20 << QByteArray("NO_EXHAUST")
                            << QByteArray("Removes all exhaust plumes.");
    QTest::newRow("bit 21") << 21 << QByteArray("REARWHEEL_1ST")
                            << QByteArray("Ne semble pas avoir d'effet.");
    QTest::newRow("bit 22") << 22 << QByteArray("HANDBRAKE_TYRE")
                            << QByteArray("Ne semble pas avoir d'effet.");
    QTest::newRow("bit 23") << 23 << QByteArray("SIT_IN_BOAT")
                            << QByteArray("Permet au joueur de s'assoir plutôt que de rester "
                                          "debout à l'intérrieur du véhicule.");
    QTest::newRow("bit 24") << 24 << QByteArray("FAT_REAR")
                            << QByteArray("Grossi les roues arrière et les pneus.");
    QTest::newRow("bit 25") << 25 << QByteArray("NARROW_FRONT")
                            << QByteArray("Réduit les roues avant et les pneus.");
    QTest::newRow("bit 26") << 26 << QByteArray("GOOD_IN_SAND")
                            << QByteArray("Arrête le ralentissement du véhicule dans le sable.");
    QTest::newRow("bit 27")
        << 27 << QByteArray("SPECIAL_FLIGHT")
        << QByteArray("Utilisé par des véhicules volants mais leur but exact n'est pas certain.");
}

void tst_FlagCatalogue::texts()
{
    QFETCH(int, bit);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, description);
    QCOMPARE(bytes(flagAt(bit).name), name);
    QCOMPARE(bytes(flagAt(bit).description), description);
}

void tst_FlagCatalogue::digitCaptions()
{
    const QList<QByteArray> expected{"1er Chiffre", "2e Chiffre", "3e Chiffre", "4e Chiffre",
                                     "5e Chiffre",  "6e Chiffre", "7e Chiffre"};
    QCOMPARE(digitCount, 7);
    for (int digit = 1; digit <= digitCount; ++digit)
        QCOMPARE(bytes(digitCaption(digit)), expected[digit - 1]);
}

void tst_FlagCatalogue::everyTextFitsWindows1252()
{
    QVERIFY(representableInWindows1252("é à ç ô « » € œ"));
    QVERIFY(!representableInWindows1252("Ā"));
    QVERIFY(!representableInWindows1252("\xC3"));

    for (const Flag &flag : catalogue) {
        QVERIFY2(representableInWindows1252(flag.name), flag.name.data());
        QVERIFY2(representableInWindows1252(flag.description), flag.name.data());
    }
    for (std::string_view caption : bitloom::flags::digitCaptions)
        QVERIFY(representableInWindows1252(caption));
}

void tst_FlagCatalogue::derivedValues_data()
{
    QTest::addColumn<int>("bit");
    QTest::addColumn<int>("digit");
    QTest::addColumn<uint>("inDigit");
    QTest::addColumn<uint>("mask");

    QTest::newRow("first bit") << 0 << 1 << 1u << 0x1u;
    QTest::newRow("first of digit 2") << 4 << 2 << 1u << 0x10u;
    QTest::newRow("last of digit 4") << 15 << 4 << 8u << 0x8000u;
    QTest::newRow("last bit") << 27 << 7 << 8u << 0x8000000u;
}

void tst_FlagCatalogue::derivedValues()
{
    QFETCH(int, bit);
    QFETCH(int, digit);
    QFETCH(uint, inDigit);
    QFETCH(uint, mask);
    QCOMPARE(digitOf(bit), digit);
    QCOMPARE(valueInDigit(bit), inDigit);
    QCOMPARE(maskOf(bit), mask);
    // The mask is the weight within the digit moved to the digit's place.
    QCOMPARE(maskOf(bit), valueInDigit(bit) << (4 * (digitOf(bit) - 1)));
}

void tst_FlagCatalogue::masksCoverEveryBitOnce()
{
    QCOMPARE(flagCount, 28);
    std::uint32_t sum = 0;
    std::uint32_t seen = 0;
    for (int bit = 0; bit < flagCount; ++bit) {
        QCOMPARE(maskOf(bit) & seen, 0u);
        seen |= maskOf(bit);
        sum += maskOf(bit);
    }
    QCOMPARE(sum, 0xFFFFFFFu);
    QCOMPARE(allFlagsMask, 0xFFFFFFFu);
}

void tst_FlagCatalogue::digitsHoldTheirFourBits()
{
    for (int digit = 1; digit <= digitCount; ++digit) {
        const auto bits = bitsOfDigit(digit);
        std::uint32_t masks = 0;
        for (std::size_t row = 0; row < bits.size(); ++row) {
            QCOMPARE(digitOf(bits[row]), digit);
            QCOMPARE(valueInDigit(bits[row]), 1u << row);
            masks += maskOf(bits[row]);
        }
        QCOMPARE(masks, 0xFu << (4 * (digit - 1)));
    }
    const auto top = bitsOfDigit(7);
    QCOMPARE(top, (std::array<int, 4>{24, 25, 26, 27}));
    QCOMPARE(bytes(flagAt(top[0]).name), QByteArray("FAT_REAR"));
    QCOMPARE(bytes(flagAt(top[3]).name), QByteArray("SPECIAL_FLIGHT"));
}

void tst_FlagCatalogue::sharedDescriptionAndDistinctNames()
{
    QCOMPARE(bytes(flagAt(21).description), bytes(flagAt(22).description));
    std::set<std::string_view> names;
    for (const Flag &flag : catalogue)
        names.insert(flag.name);
    QCOMPARE(names.size(), std::size_t{28});
}

void tst_FlagCatalogue::outOfRangeIsRejected()
{
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, flagAt(28));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, maskOf(-1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, digitCaption(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, bitsOfDigit(8));
}

QTEST_GUILESS_MAIN(tst_FlagCatalogue)
#include "tst_flagcatalogue.moc"
