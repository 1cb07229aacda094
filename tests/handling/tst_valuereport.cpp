#include "flags/FlagCatalogue.h"
#include "flags/FlagsValue.h"
#include "handling/ValueReport.h"

#include "support/Doctest.h"
#include <algorithm>
#include <cctype>
#include <random>
#include <string>
#include <vector>

using namespace bitloom;
using namespace bitloom::handling;

namespace {

ValueReport decode(std::vector<std::string_view> inputs, const GameProfile &game = viceCity)
{
    return decodeValues(inputs, game);
}

ValueReport encode(std::vector<std::string_view> words, const GameProfile &game = viceCity)
{
    return encodeFlags(words, game);
}

// The value encode made, in a game of one flags field.
std::optional<std::uint32_t> valueOf(const ValueReport &report)
{
    if (report.values.empty())
        return std::nullopt;
    return report.values.front().value;
}

// "erreur : message", one per problem.
std::string said(const ValueReport &report)
{
    std::string text;
    for (const Problem &p : report.problems)
        text += std::string(p.level == Level::Error ? "erreur : " : "avertissement : ") + p.message
                + '\n';
    return text;
}

std::string lower(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

} // namespace

TEST_CASE("decode reads every form the game reads alike")
{
    const std::pair<const char *, std::uint32_t> forms[] = {
        {"9047000", 0x9047000},
        {"0x9047000", 0x9047000},
        {"09047000", 0x9047000},
        {"0X009047000", 0x9047000},
        {"C0", 0xC0},
        {"c0", 0xC0},
        {"0x0c0", 0xC0},
        {"0x0", 0},
    };
    for (const auto &[text, value] : forms) {
        CAPTURE(text);
        const ValueReport report = decode({text});
        CHECK(report.problems.empty());
        REQUIRE(report.values.size() == 1);
        CHECK(report.values[0].value == value);
    }
}

TEST_CASE("encode and decode give back every flag and any set of them")
{
    for (int bit = 0; bit < flags::flagCount; ++bit) {
        const std::string_view name = flags::flagAt(bit).name;
        CAPTURE(name);
        const std::optional<std::uint32_t> value = valueOf(encode({name}));
        REQUIRE(value.has_value());
        CHECK(flags::setBits(*value) == std::vector<int>{bit});
        const std::string text = flags::valueText(*value);
        CHECK(decode({text}).values.at(0).value == *value);
    }

    // Names in any order and case, some twice.
    std::mt19937 random(20240607);
    for (int round = 0; round < 300; ++round) {
        std::vector<int> bits;
        std::vector<std::string> names;
        for (int bit = 0; bit < flags::flagCount; ++bit) {
            if (random() % 2 == 0)
                continue;
            bits.push_back(bit);
            const std::string_view name = flags::flagAt(bit).name;
            names.push_back(random() % 2 == 0 ? std::string(name) : lower(name));
        }
        if (names.empty())
            continue;
        names.push_back(names[random() % names.size()]);
        std::shuffle(names.begin(), names.end(), random);
        const ValueReport report = encode({names.begin(), names.end()});
        REQUIRE(valueOf(report).has_value());
        CHECK(flags::setBits(*valueOf(report)) == bits);
    }
}

TEST_CASE("encode from a value: names add, +NAME adds, -NAME removes, in order")
{
    struct Case {
        std::vector<std::string_view> words;
        std::optional<std::uint32_t> value;
        const char *said;
        const GameProfile &game = viceCity;
    };
    const Case cases[] = {
        {{"2180", "+GOOD_IN_SAND", "-IS_LOW"}, 0x4002100, ""},
        {{"0x40", "no_doors"}, 0x50, ""},
        {{"40", "-IS_LOW"}, 0x40, ""},
        {{"0", "+IS_BUS", "-IS_BUS", "IS_BUS"}, 0x40, ""},
        {{"1000", "-NEUTRALHANDLING"}, 0, ""},
        // The value comes first only; a name may begin with a digit.
        {{"1G_BOOST", "2G_BOOST"}, 3, ""},
        {{"40002004", "+IS_BUS"},
         0x2044,
         "avertissement : valeur de départ \"40002004\" : bits 40000000 au-delà "
         "des 28 flags de GTA: Vice-City, retirés du résultat\n"},
        {{"21z0", "+IS_BUS"},
         std::nullopt,
         "erreur : valeur \"21z0\" : caractère non hexadécimal 'z' en position 3 ; "
         "le jeu lirait 21\n"},
        {{"2180", "-IS_LOWW"},
         std::nullopt,
         "erreur : flag inconnu \"IS_LOWW\" ; vouliez-vous dire IS_LOW ?\n"},
        {{"IS_BUS", "IS_BSU"},
         std::nullopt,
         "erreur : flag inconnu \"IS_BSU\" ; vouliez-vous dire IS_BUS ?\n"},
        {{"IS_TRAIN"}, std::nullopt, "erreur : flag inconnu \"IS_TRAIN\"\n"},
        {{"HALOGEN_LIGHT"},
         std::nullopt,
         "erreur : flag inconnu \"HALOGEN_LIGHT\" ; vouliez-vous dire "
         "HALOGEN_LIGHTS ?\n"},
        {{"IS_BIKE"},
         std::nullopt,
         "erreur : le flag \"IS_BIKE\" n'est pas parmi les 16 flags de GTA3\n",
         gta3},
        // A value without its first digit.
        {{"c0", "+IS_BUS"},
         std::nullopt,
         "erreur : valeur \"c0\" : une valeur commence par un chiffre ; écrivez 0c0\n"},
    };
    for (const Case &c : cases) {
        CAPTURE(c.words.front());
        const ValueReport report = encode(c.words, c.game);
        // Warnings do not fail; a wrong name or value does, and gives no value.
        CHECK(valueOf(report) == c.value);
        CHECK(said(report) == c.said);
    }
}

TEST_CASE("decode: bad values are errors, beside the good ones")
{
    const ValueReport report = decode({"40", "4x", "", "1FFFFFFF", "zz", "10"});
    REQUIRE(report.values.size() == 3);
    CHECK(report.values[0].input == "40");
    CHECK(report.values[1].input == "1FFFFFFF");
    // The game reads the flags among bits it does not know: a warning.
    CHECK(report.values[1].value == 0xFFFFFFF);
    CHECK(report.values[1].extraBits == 0x10000000);
    CHECK(report.values[2].input == "10");

    const auto &problems = report.problems;
    REQUIRE(problems.size() == 4);
    CHECK(problems[0].input == "4x");
    CHECK(problems[0].level == handling::Level::Error);
    CHECK(problems[0].gameValue == 4u);
    CHECK(problems[1].input == "");
    CHECK(problems[1].message == "valeur vide");
    CHECK(problems[2].level == handling::Level::Warning);
    CHECK(problems[2].gameValue == 0x1FFFFFFFu);
    CHECK_FALSE(problems[3].gameValue.has_value());
    CHECK(said(report)
          == "erreur : valeur \"4x\" : caractère non hexadécimal 'x' en position 2 ; le jeu "
             "lirait 4\n"
             "erreur : valeur vide\n"
             "avertissement : valeur \"1FFFFFFF\" : bits 10000000 au-delà des 28 flags de GTA: "
             "Vice-City ; le jeu les ignore et lit les flags FFFFFFF\n"
             "erreur : valeur \"zz\" : caractère non hexadécimal 'z' en position 1 ; le jeu ne "
             "lirait aucune valeur sûre\n");
}

TEST_CASE("decode: what the game would read of each kind of bad value")
{
    const std::pair<const char *, const char *> cases[] = {
        {"9047000xyz", "valeur \"9047000xyz\" : caractère non hexadécimal 'x' en position 8 ; le "
                       "jeu lirait 9047000"},
        {"0xZZ", "valeur \"0xZZ\" : caractère non hexadécimal 'Z' en position 3 ; le jeu lirait 0"},
        {"0x", "valeur \"0x\" : aucun chiffre après 0x ; le jeu lirait 0"},
        {"1FFFFFFFF",
         "valeur \"1FFFFFFFF\" : plus de 32 bits ; le jeu ne lirait aucune valeur sûre"},
        {"\x7F", "valeur \"\\x7F\" : octet non hexadécimal 0x7F en position 1 ; le jeu ne lirait "
                 "aucune valeur sûre"},
    };
    for (const auto &[text, message] : cases) {
        CAPTURE(text);
        const ValueReport report = decode({text});
        REQUIRE(report.problems.size() == 1);
        CHECK(report.problems[0].message == message);
    }

    // GTA3 knows the flags of digits 1 to 4 only.
    const ValueReport gta3Report = decode({"10040"}, gta3);
    CHECK(gta3Report.values.at(0).value == 0x40);
    CHECK(gta3Report.problems.at(0).message
          == "valeur \"10040\" : bits 10000 au-delà des 16 flags de GTA3 ; le jeu les ignore et "
             "lit les flags 40");
}

TEST_CASE("San Andreas: a name tells its field, a value says it")
{
    const ValueReport decoded = decode({"model:2808", "HANDLING:0x90000", "2808"}, sanAndreas);
    REQUIRE(decoded.values.size() == 2);
    CHECK((decoded.values[0].field == 0 && decoded.values[0].value == 0x2808));
    CHECK((decoded.values[1].field == 1 && decoded.values[1].value == 0x90000));
    CHECK(said(decoded)
          == "erreur : valeur \"2808\" : GTA: San Andreas a 2 champs de flags ; écrivez model:2808 "
             "(colonne \"af\") ou handling:2808 (colonne \"ag\")\n");

    const ValueReport encoded
        = encode({"handling:10000", "is_big", "+NOS_INST", "-HYDRAULIC_GEOM"}, sanAndreas);
    REQUIRE(encoded.values.size() == 2);
    CHECK((encoded.values[0].field == 0 && encoded.values[0].value == 0x8));
    CHECK((encoded.values[1].field == 1 && encoded.values[1].value == 0x80000));
    CHECK(said(encode({"NOS_INSTT"}, sanAndreas))
          == "erreur : flag inconnu \"NOS_INSTT\" ; vouliez-vous dire NOS_INST ?\n");
}
