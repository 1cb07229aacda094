#include "handling/FlagsEdit.h"
#include "support/HandlingText.h"
#include "text/Utf16.h"

#include "support/Doctest.h"
#include <algorithm>
#include <string>
#include <vector>

using namespace bitloom;
using namespace bitloom::handling;
using namespace bitloom::tests;

namespace {

struct ReadText {
    DecodedText decoded;
    HandlingFile file;

    explicit ReadText(std::string bytes, const GameProfile &game = viceCity)
        : decoded(decodeText(std::move(bytes)))
        , file(readHandlingFile(decoded.text, decoded.encoding, game))
    {
    }
};

std::string utf16(std::string_view utf8, bool littleEndian)
{
    std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t unit : text::utf16FromUtf8(utf8)) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes.append(littleEndian ? std::string{low, high} : std::string{high, low});
    }
    return bytes;
}

} // namespace

TEST_CASE("only the flags field changes, in the file's encoding, line endings and spacing")
{
    const std::string car = vehicleLine("LANDSTAL", "220");
    std::string tabbed = vehicleLine("IDAHO", "0x50");
    std::replace(tabbed.begin(), tabbed.end(), ' ', '\t');
    struct Case {
        std::string_view name;
        std::string bytes;
        std::size_t line; // of the vehicle changed
    };
    const std::vector<Case> cases{
        {"CRLF", crlfLines({"; a comment", car, ";the end"}), 2},
        {"LF, no final line break", "; LF only\n" + car, 2},
        {"mixed endings", "; CRLF\r\n" + car + "\n; LF\n" + tabbed + "\r\n;the end\r\n", 4},
        {"tabs between fields", lines({tabbed, car}), 1},
        {"UTF-8 mark and text", "\xEF\xBB\xBF; Données\r\n" + car + "\r\n", 2},
        {"UTF-16 LE", utf16("; Données Ω 𝄞\r\n" + car + "\r\n;the end\r\n", true), 2},
        {"UTF-16 BE, tabs", utf16("; é\n" + tabbed + "\n", false), 2},
    };
    for (const Case &c : cases) {
        CAPTURE(c.name);
        const ReadText before(c.bytes);
        const std::string changed = changeFlagsFields(c.bytes, before.decoded.encoding,
                                                      {{{c.line, 0, "4000200"}}}, viceCity);
        const ReadText after(changed);
        REQUIRE(after.file.lines.size() == before.file.lines.size());
        std::size_t fieldSize = 0;
        for (std::size_t i = 0; i < before.file.lines.size(); ++i) {
            const ReadLine &old = before.file.lines[i];
            const ReadLine &now = after.file.lines[i];
            if (old.number != c.line) {
                CHECK(now.text == old.text);
                continue;
            }
            const std::string_view field = old.fields.flagsText();
            fieldSize = field.size();
            const auto at = static_cast<std::size_t>(field.data() - old.text.data());
            CHECK(now.text
                  == std::string(old.text).replace(at, field.size(), std::string("4000200")));
        }
        // The bytes around the field are the same bytes, ending included.
        const std::size_t grown = changed.size() - c.bytes.size();
        std::size_t same = 0;
        while (same < c.bytes.size() && c.bytes[same] == changed[same])
            ++same;
        std::size_t sameAtEnd = 0;
        while (sameAtEnd < c.bytes.size()
               && c.bytes.rbegin()[sameAtEnd] == changed.rbegin()[sameAtEnd])
            ++sameAtEnd;
        const std::size_t unit = before.decoded.encoding == TextEncoding::Utf16Le
                                         || before.decoded.encoding == TextEncoding::Utf16Be
                                     ? 2
                                     : 1;
        CHECK(grown == unit * (7 - fieldSize));
        CHECK(same + sameAtEnd >= c.bytes.size() - unit * fieldSize);
    }
}

TEST_CASE("several lines change at once, each in its place")
{
    const std::string bytes
        = lines({vehicleLine("LANDSTAL", "1"), vehicleLine("IDAHO", "2"), vehicleLine("BUS", "3")});
    const std::string changed
        = changeFlagsFields(bytes, TextEncoding::Plain, {{{3, 0, "333"}, {1, 0, "111111"}}}, viceCity);
    CHECK(changed
          == lines({vehicleLine("LANDSTAL", "111111"), vehicleLine("IDAHO", "2"),
                    vehicleLine("BUS", "333")}));
}

TEST_CASE("the new value is written as the file writes its values")
{
    const std::string upper = vehicleLine("IDAHO", "ABC");
    const std::string lower = vehicleLine("IDAHO", "abc");
    struct Case {
        std::string_view replaced;
        std::uint32_t value;
        std::vector<std::string> others; // the file's other lines
        std::string_view written;
    };
    const std::vector<Case> cases{
        {"220", 0x4000200, {}, "4000200"},
        {"c0002180", 0xC00021A0, {}, "c00021a0"},
        {"0xA", 0xB, {}, "0xB"},
        {"0X0000a", 0x2000, {}, "0X02000"}, // leading zeros: the width kept
        {"0x00000000", 0x12345678, {}, "0x12345678"},
        {"0", 0xAB, {lower, lower, upper}, "ab"}, // no letters: most of the file's
        {"0", 0xAB, {lower, upper}, "AB"},        // a tie: the window's case
        {"12", 0xAB, {}, "AB"},
        {"20xyz", 0xAB, {lower}, "ab"}, // not a value: no prefix, no width of its own
        {"0x", 0xAB, {}, "AB"},
    };
    for (const Case &c : cases) {
        CAPTURE(c.replaced);
        const ReadText file(lines(c.others));
        CHECK(flagsFieldText(c.value, c.replaced, writesLowerCase(file.file)) == c.written);
    }
}

TEST_CASE("the line the game reads for a vehicle asked for in any case, or why there is none")
{
    std::string short32 = vehicleLine("IDAHO", "0");
    short32.erase(short32.find(' '), 7);
    const ReadText text(lines({
        vehicleLine("LANDSTAL", "1"),            // 1
        vehicleLine("SENTINEL", "2"),            // 2
        boatEntry("PREDATOR"),                   // 3: an entry has no flags field
        vehicleLine("SENTINEL", "3"),            // 4
        short32,                                 // 5
        vehicleLine("STINGER", "4"),             // 6
        vehicleLine("Stinger", "5"),             // 7: not read, STINGER is
        vehicleLine("BUS", "6") + " 9",          // 8: a field too many
        vehicleLine("Cheetah", "0"),             // 9: the game knows only CHEETAH
        ";the end", vehicleLine("BANSHEE", "7"), // 11: after the end, never read
    }));
    struct Case {
        std::string_view asked;
        std::size_t line; // of the line found, or of the problem
        std::string_view rule;
        std::string message;
    };
    const std::vector<Case> cases{
        {"LANDSTAL", 1, "", ""},
        {"landstal", 1, "", ""},
        {"Stinger", 6, "", ""},
        {"PREDATOR", 0, "missing", "aucune ligne standard de ce véhicule dans le fichier"},
        {"BANSHEE", 11, "after-end",
         "sa ligne 11 est après \";the end\" (ligne 10) : le jeu ne la lit pas ; placez-la "
         "avant la fin des données"},
        {"cheetah", 9, "vehicle",
         "la ligne 9 l'écrit \"Cheetah\" : le jeu ne connaît que CHEETAH et ne lit pas cette "
         "ligne ; corrigez l'identifiant avant de changer ses flags"},
        {"SENTINEL", 0, "duplicate",
         "défini deux fois, lignes 2 et 4 : le jeu ne garde que la dernière ; gardez-en une "
         "seule avant de changer ses flags"},
        {"IDAHO", 5, "fields",
         "32 champs, il en faut 33 : les colonnes sont peut-être décalées et la colonne \"ae\" "
         "n'est pas sûre ; corrigez la ligne avant de changer ses flags"},
        {"BUS", 8, "fields",
         "34 champs, il en faut 33 : les colonnes sont peut-être décalées et la colonne \"ae\" "
         "n'est pas sûre ; corrigez la ligne avant de changer ses flags"},
        {"PCJ600", 0, "vehicle",
         "identifiant inconnu de GTA: Vice-City ; PCJ600 est un nom de modèle, son identifiant "
         "de handling est BIKE"},
        {"MANANNA", 0, "vehicle",
         "identifiant inconnu de GTA: Vice-City ; vouliez-vous dire MANANA ?"},
    };
    for (const Case &c : cases) {
        CAPTURE(c.asked);
        const FlagsLineSearch search = findFlagsLine(text.file, c.asked, viceCity);
        CHECK((search.line ? search.line->number : search.problem->line) == c.line);
        CHECK((search.problem ? search.problem->rule : "") == c.rule);
        CHECK((search.problem ? search.problem->message : "") == c.message);
    }
    // GTA3's lines have one field less.
    const ReadText gta3Text(lines({gta3VehicleLine("BUS", "6")}), gta3);
    CHECK(findFlagsLine(gta3Text.file, "BUS", gta3).line != nullptr);
}

TEST_CASE("a change may bring a line to the game's 200 characters, not beyond")
{
    // 198 characters with a value of one digit.
    std::string line = vehicleLine("LANDSTAL", "0");
    line.insert(line.find(' '), 198 - line.size(), ' ');
    const ReadText before(lines({line}));
    const auto problemsWith = [&](std::string_view value) {
        const std::string after
            = lines({line.substr(0, line.size() - 5) + std::string(value) + " 1 1"});
        const ReadText changed(after);
        const std::size_t changedLines[] = {1};
        std::vector<std::string> found;
        for (const Problem &p : problemsOfChange(before.file, changed.file, changedLines, viceCity))
            found.push_back(std::string(p.level == Level::Error ? "E " : "W ") + p.message);
        return found;
    };
    CHECK(problemsWith("FFF") == std::vector<std::string>{}); // 200
    CHECK(
        problemsWith("FFFF")
        == std::vector<std::string>{"E la ligne aurait 201 caractères : le jeu n'en lit que 200"});
}

TEST_CASE("a pasted line gets its new flags in the field's style, every other byte kept")
{
    const std::string tabbed = "LANDSTAL\t1700.0 5.0 4.0 2.2 0.0 0.0 -0.2 85 0.8 0.75 0.5 5 160.0 "
                               "25.0 4 D 6.2 0.60 0 35.0 1.4 0.15 0.0 0.5 25000 0.25 -0.20 0.5 20 ";
    CHECK(lineWithFlags(tabbed + "0x0C0 1 1\r\n", 0xE0, viceCity) == tabbed + "0x0E0 1 1\r\n");
    CHECK(lineWithFlags(tabbed + "ab 1 1", 0xC0, viceCity) == tabbed + "c0 1 1");
}
