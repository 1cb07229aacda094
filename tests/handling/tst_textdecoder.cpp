#include "handling/TextDecoder.h"

#include "support/Doctest.h"
#include <string>

using namespace bitloom::handling;

namespace {

// "; é\r\nLANDSTAL 1\r\n" in UTF-8 and in UTF-16, both byte orders.
const std::string sampleUtf8 = "; \xC3\xA9\r\nLANDSTAL 1\r\n";

std::string utf16(bool littleEndian)
{
    std::string bytes;
    for (char16_t unit : std::u16string(u"; é\r\nLANDSTAL 1\r\n")) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

} // namespace

TEST_CASE("files are read as the game reads them, UTF-16 into UTF-8, other encodings named")
{
    struct Case {
        const char *name;
        std::string bytes;
        TextEncoding encoding;
        std::string text;
        std::string error;
    };
    const std::string unread = " : encodage non lu ; enregistrez-le en ANSI";
    const std::string marked = " (d'après sa marque d'ordre des octets)";
    const Case cases[] = {
        {"empty", "", TextEncoding::Plain, "", ""},
        {"ASCII", "; a\nB 1\n", TextEncoding::Plain, "; a\nB 1\n", ""},
        {"Windows-1252, as it is", "; caf\xE9\n", TextEncoding::Plain, "; caf\xE9\n", ""},
        // A NUL byte that is no UTF-16 pattern: binary, for the checks to say.
        {"binary", std::string("AB\0CD", 5), TextEncoding::Plain, std::string("AB\0CD", 5), ""},
        {"UTF-8 mark", "\xEF\xBB\xBF" + sampleUtf8, TextEncoding::Utf8Bom, sampleUtf8, ""},
        {"UTF-16 LE", "\xFF\xFE" + utf16(true), TextEncoding::Utf16Le, sampleUtf8, ""},
        {"UTF-16 BE", "\xFE\xFF" + utf16(false), TextEncoding::Utf16Be, sampleUtf8, ""},
        {"UTF-16, beyond the BMP", std::string("\xFF\xFE\x3D\xD8\x97\xDE", 6),
         TextEncoding::Utf16Le, "\xF0\x9F\x9A\x97", ""},
        {"UTF-16, lone surrogate", std::string("\xFF\xFE\x00\xD8!\x00", 6), TextEncoding::Utf16Le,
         "\xEF\xBF\xBD!", ""},
        {"UTF-16, odd last byte", std::string("\xFF\xFE\x41\x00\x42", 5), TextEncoding::Utf16Le,
         "A\xEF\xBF\xBD", ""},
        {"UTF-32 LE", std::string("\xFF\xFE\0\0A\0\0\0", 8), TextEncoding::Plain, "",
         "fichier en UTF-32 LE" + marked + unread},
        {"UTF-32 BE", std::string("\0\0\xFE\xFF\0\0\0A", 8), TextEncoding::Plain, "",
         "fichier en UTF-32 BE" + marked + unread},
        {"UTF-16 LE, no mark", utf16(true), TextEncoding::Plain, "",
         "fichier en UTF-16 LE sans marque d'ordre des octets" + unread},
        {"UTF-16 BE, no mark", utf16(false), TextEncoding::Plain, "",
         "fichier en UTF-16 BE sans marque d'ordre des octets" + unread},
    };
    for (const Case &c : cases) {
        CAPTURE(c.name);
        const DecodedText decoded = decodeText(c.bytes);
        CHECK(decoded.error == c.error);
        CHECK(decoded.encoding == c.encoding);
        CHECK(decoded.text == c.text);
    }
}

TEST_CASE("text with NUL bytes everywhere begins with a UTF-16 or UTF-32 mark")
{
    CHECK(startsWithWideMark("\xFF\xFE"));
    CHECK(startsWithWideMark("\xFE\xFF"));
    CHECK(startsWithWideMark(std::string_view("\xFF\xFE\0\0", 4)));
    CHECK_FALSE(startsWithWideMark("\xEF\xBB\xBF"));
    CHECK_FALSE(startsWithWideMark("; x"));
    CHECK_FALSE(startsWithWideMark("\xFF"));
}
