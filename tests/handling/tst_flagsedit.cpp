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
                                                      {{{c.line, "4000200"}}}, viceCity);
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
            const std::string_view field = old.fields.flagsText;
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
        = changeFlagsFields(bytes, TextEncoding::Plain, {{{3, "333"}, {1, "111111"}}}, viceCity);
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
        CHECK(flagsFieldText(c.value, c.replaced, file.file) == c.written);
    }
}

TEST_CASE("a vehicle's line is found once, by its name as written, or refused")
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
        vehicleLine("Stinger", "5"),             // 7
        vehicleLine("BUS", "6") + " 9",          // 8: a field too many
        ";the end", vehicleLine("BANSHEE", "7"), // after the end: the game never reads it
    }));
    struct Case {
        std::string_view asked;
        std::size_t line; // found, or 0
        std::string message;
    };
    const std::vector<Case> cases{
        {"LANDSTAL", 1, ""},
        {"landstal", 1, ""},
        {"Stinger", 7, ""},
        {"STINGER", 6, ""},
        {"PREDATOR", 0, "aucune ligne standard de ce véhicule dans le fichier"},
        {"BANSHEE", 0, "aucune ligne standard de ce véhicule dans le fichier"},
        {"SENTINEL", 0,
         "défini deux fois, lignes 2 et 4 : le jeu ne garde que la dernière ; gardez-en une "
         "seule avant de changer ses flags"},
        {"stinger", 0,
         "plusieurs véhicules s'écrivent ainsi à la casse près, lignes 6 et 7 : donnez "
         "l'identifiant tel que le fichier l'écrit"},
        {"IDAHO", 0,
         "32 champs, il en faut 33 : les colonnes sont peut-être décalées et la colonne \"ae\" "
         "n'est pas sûre ; corrigez la ligne avant de changer ses flags"},
        {"BUS", 0,
         "34 champs, il en faut 33 : les colonnes sont peut-être décalées et la colonne \"ae\" "
         "n'est pas sûre ; corrigez la ligne avant de changer ses flags"},
    };
    for (const Case &c : cases) {
        CAPTURE(c.asked);
        const FlagsLineSearch search = findFlagsLine(text.file, c.asked, viceCity);
        CHECK((search.line ? search.line->number : 0) == c.line);
        CHECK((search.problem ? search.problem->message : "") == c.message);
    }
    // GTA3's lines have one field less.
    const ReadText gta3Text(lines({gta3VehicleLine("BUS", "6")}), gta3);
    CHECK(findFlagsLine(gta3Text.file, "BUS", gta3).line != nullptr);
}
