#include "text/Utf16.h"

#include "support/Doctest.h"
#include <string>

using namespace bitloom::text;

TEST_CASE("UTF-8 and UTF-16 convert both ways, beyond the BMP too")
{
    const std::pair<std::string, std::u16string> texts[] = {
        {"", u""},
        {"LANDSTAL 1", u"LANDSTAL 1"},
        {"Données \xC2\xA0Ω", u"Données \u00A0Ω"},
        {"\xE2\x82\xAC\xEF\xBF\xBF", u"€\uFFFF"},
        {"\xF0\x9F\x9A\x97 \xF4\x8F\xBF\xBF", u"\U0001F697 \U0010FFFF"},
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto &[utf8, utf16] : texts) {
        CAPTURE(utf8);
        CHECK(utf16FromUtf8(utf8) == utf16);
        CHECK(utf8FromUtf16(utf16) == utf8);
    }
}

TEST_CASE("what is not UTF-16 becomes U+FFFD")
{
    CHECK(utf8FromUtf16(u"\xD83D") == "\xEF\xBF\xBD");
    CHECK(utf8FromUtf16(u"\xDE97!") == "\xEF\xBF\xBD!");
    CHECK(utf8FromUtf16(u"\xD83D\xD83D\xDE97") == "\xEF\xBF\xBD\xF0\x9F\x9A\x97");
}

// One U+FFFD for each byte that begins no sequence, and one for each
// sequence cut short, as Windows and the JSON report replace them.
TEST_CASE("what is not UTF-8 becomes U+FFFD")
{
    const std::pair<std::string, std::u16string> texts[] = {
        {"caf\xE9", u"caf\uFFFD"},                         // Windows-1252
        {"\xC3", u"\uFFFD"},                               // cut at the end
        {"\xE2\x82!", u"\uFFFD!"},                         // cut before another character
        {"\x80", u"\uFFFD"},                               // a lone continuation
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                     // overlong, in two bytes
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},           // in three
        {"\xF0\x8F\xBF\xBF", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // in four
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},           // a surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // above U+10FFFF
        {"\xE9t\xC3\xA9", u"\uFFFDté"},
    };
    for (const auto &[utf8, utf16] : texts) {
        CAPTURE(utf8);
        CHECK(utf16FromUtf8(utf8) == utf16);
    }
}

// A console stream converts what it has, and keeps a character cut between
// two writes for the next.
TEST_CASE("the UTF-8 characters complete so far")
{
    const std::pair<std::string, std::size_t> texts[] = {
        {"", 0},
        {"abc", 3},
        {"caf\xC3", 3},          // two bytes, one come
        {"caf\xC3\xA9", 5},      // whole
        {"\xE2\x82", 0},         // three bytes, two come
        {"a\xE2\x82\xAC", 4},    // whole
        {"a\xF0\x9F\x9A", 1},    // four bytes, three come
        {"\xF0\x9F\x9A\x97", 4}, // whole
        {"\x80\x80\x80\x80", 4}, // no start in reach: nothing to wait for
        {"\xE9t", 2},            // Windows-1252, not waited for
    };
    for (const auto &[utf8, length] : texts) {
        CAPTURE(utf8);
        CHECK(completeUtf8Length(utf8) == length);
    }
}
