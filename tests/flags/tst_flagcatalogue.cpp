#include "flags/FlagCatalogue.h"

#include "support/Doctest.h"
#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>

using namespace bitloom::flags;

namespace {

// The code points of a UTF-8 text; nothing when it is not UTF-8.
std::optional<std::u32string> codePoints(std::string_view utf8)
{
    std::u32string points;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto first = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = first < 0x80 ? 1 : first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : 2;
        if ((first >= 0x80 && first < 0xC2) || i + length > utf8.size())
            return std::nullopt;
        char32_t c = length == 1 ? first : first & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = c << 6 | (next & 0x3F);
        }
        points += c;
        i += length;
    }
    return points;
}

// Code points that Windows-1252 can hold: ASCII, Latin-1 from U+00A0, and
// the 27 characters it places in 0x80..0x9F.
bool inWindows1252(std::string_view utf8)
{
    static const std::set<char32_t> extra{0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x017D, 0x2018,
                                          0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC,
                                          0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
    const auto points = codePoints(utf8);
    return points && std::all_of(points->begin(), points->end(), [](char32_t c) {
               return c < 0x80 || (c >= 0xA0 && c <= 0xFF) || extra.count(c) == 1;
           });
}

} // namespace

// An independent copy of the texts the window shows, typos and all: a change
// on either side fails.
TEST_CASE("every flag has its name and description")
{
    struct Row {
        int bit;
        std::string_view name;
        std::string_view description;
    };
    const Row rows[] = {
        {0, "1G_BOOST",
         "Donner de la puissance supplémentaire aux voitures lentes, permettant à la voiture de "
         "patiner au démarrage."},
        {1, "2G_BOOST",
         "Donner de la puissance supplémentaire en coinçant et montant aux collines à la vitesse "
         "moyenne."},
        {2, "REV_BONNET", "Inverser le capot de la voiture dans le sens opposée."},
        {3, "HANGING_BOOT", "Mettre la charnière sur le bord supérieur."},
        {4, "NO_DOORS",
         "Enlève l'animation qui la porte de la voiture. Le joueur glissera directement à "
         "l'intérieur."},
        {5, "IS_VAN",
         "Permet d'avoir 2 portes à l'arrière du véhicule et permet aux passagers de s'assoir des "
         "2 côtés."},
        {6, "IS_BUS",
         "Le véhicule peut prendre des passagers quand il atteint des arrêts d'autobus."},
        {7, "IS_LOW", "Permet au joueur de s'assoir de façon à être plus bas dans la voiture."},
        {8, "DBL_EXHAUST", "Créé un deuxième pot d'échappement"},
        {9, "TAILGATE_BOOT", "Mettre la charniere sur le bord inférieur."},
        {10, "NOSWING_BOOT", "Arrête de faire pivoter le coffre."},
        {11, "NONPLAYER_STABILISER",
         "Modifie les performances de la voiture quand celle-ci est sous le contrôle de l'IA pour "
         "diminuer les chances de se retourner."},
        {12, "NEUTRAL_HANDLING",
         "Modifie les performances de la voiture quand celle-ci est sous le contrôle de l'IA pour "
         "diminuer les chances de dérapage."},
        {13, "HAS_NO_ROOF",
         "A plusieurs effets détaillés, y compris la capacité de tuer les occupants plus "
         "facilement."},
        {14, "IS_BIG", "Active un son qui intervient quand la voiture se renversse."},
        {15, "HALOGEN_LIGHTS", "Fait les feux plus brillants et leur donne une légère teinture."},
        {16, "IS_BIKE",
         "Indique que ce véhicule a aussi une entrée de traitement spéciale dans la section "
         "\"moto\"."},
        {17, "IS_HELI",
         "Indique que ce véhicule a aussi une entrée de traitement spéciale dans la section "
         "\"hélicoptère\"."},
        {18, "IS_PLANE",
         "Indique que ce véhicule a aussi une entrée de traitement spéciale dans la section "
         "\"avion\"."},
        {19, "IS_BOAT",
         "Indique que ce véhicule a aussi une entrée de traitement spéciale dans la section "
         "\"bateau\"."},
        {20, "NO_EXHAUST", "Removes all exhaust plumes."},
        {21, "REARWHEEL_1ST", "Ne semble pas avoir d'effet."},
        {22, "HANDBRAKE_TYRE", "Ne semble pas avoir d'effet."},
        {23, "SIT_IN_BOAT",
         "Permet au joueur de s'assoir plutôt que de rester debout à l'intérrieur du véhicule."},
        {24, "FAT_REAR", "Grossi les roues arrière et les pneus."},
        {25, "NARROW_FRONT", "Réduit les roues avant et les pneus."},
        {26, "GOOD_IN_SAND", "Arrête le ralentissement du véhicule dans le sable."},
        {27, "SPECIAL_FLIGHT",
         "Utilisé par des véhicules volants mais leur but exact n'est pas certain."},
    };
    CHECK(std::size(rows) == flagCount);
    for (const Row &row : rows) {
        CAPTURE(row.bit);
        CHECK(flagAt(row.bit).name == row.name);
        CHECK(flagAt(row.bit).description == row.description);
    }
    const std::array<std::string_view, 7> captions{"1er Chiffre", "2e Chiffre", "3e Chiffre",
                                                   "4e Chiffre",  "5e Chiffre", "6e Chiffre",
                                                   "7e Chiffre"};
    for (int digit = 1; digit <= digitCount; ++digit)
        CHECK(digitCaption(digit) == captions[static_cast<std::size_t>(digit - 1)]);
}

TEST_CASE("every text fits Windows-1252, the game's and the window's code page")
{
    CHECK(inWindows1252("é à ç ô « » € œ"));
    CHECK_FALSE(inWindows1252("Ā"));
    CHECK_FALSE(inWindows1252("\xC3"));
    for (const Flag &flag : catalogue) {
        CAPTURE(flag.name);
        CHECK(inWindows1252(flag.name));
        CHECK(inWindows1252(flag.description));
    }
    for (std::string_view caption : digitCaptions)
        CHECK(inWindows1252(caption));
}

TEST_CASE("a bit's digit, weight in the digit and mask")
{
    struct Row {
        int bit;
        int digit;
        unsigned inDigit;
        std::uint32_t mask;
    };
    for (const Row &row :
         {Row{0, 1, 1, 0x1}, Row{4, 2, 1, 0x10}, Row{15, 4, 8, 0x8000}, Row{27, 7, 8, 0x8000000}}) {
        CAPTURE(row.bit);
        CHECK(digitOf(row.bit) == row.digit);
        CHECK(valueInDigit(row.bit) == row.inDigit);
        CHECK(maskOf(row.bit) == row.mask);
    }
}

TEST_CASE("the masks cover the 28 bits once each, four to a digit")
{
    std::uint32_t seen = 0;
    for (int bit = 0; bit < flagCount; ++bit) {
        CHECK((maskOf(bit) & seen) == 0);
        seen |= maskOf(bit);
    }
    CHECK(seen == 0xFFFFFFF);
    CHECK(allFlagsMask == 0xFFFFFFF);
    for (int digit = 1; digit <= digitCount; ++digit) {
        CAPTURE(digit);
        std::uint32_t masks = 0;
        for (int bit : bitsOfDigit(digit)) {
            CHECK(digitOf(bit) == digit);
            masks |= maskOf(bit);
        }
        CHECK(masks == 0xFu << (4 * (digit - 1)));
    }
    CHECK(bitsOfDigit(7) == std::array<int, 4>{24, 25, 26, 27});
}

TEST_CASE("names are distinct; two flags share a description")
{
    std::set<std::string_view> names;
    for (const Flag &flag : catalogue)
        names.insert(flag.name);
    CHECK(names.size() == std::size_t{28});
    CHECK(flagAt(21).description == flagAt(22).description);
}

TEST_CASE("bits and digits out of range are refused")
{
    CHECK_THROWS_AS(flagAt(28), std::out_of_range);
    CHECK_THROWS_AS(maskOf(-1), std::out_of_range);
    CHECK_THROWS_AS(digitCaption(0), std::out_of_range);
    CHECK_THROWS_AS(bitsOfDigit(8), std::out_of_range);
}
