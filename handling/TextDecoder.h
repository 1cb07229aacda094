// Telling how a handling file's text is encoded, and reading UTF-16 into
// UTF-8. The game itself reads bytes: one byte, one character.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace bitloom::handling {

enum class TextEncoding : std::uint8_t {
    Plain,   // bytes as the game reads them: ASCII, Windows-1252 or UTF-8
    Utf8Bom, // the same after a UTF-8 byte order mark
    Utf16Le, // after a byte order mark; read into UTF-8
    Utf16Be,
};

struct DecodedText {
    std::string text; // without the byte order mark; UTF-8 for UTF-16 files
    TextEncoding encoding = TextEncoding::Plain;
    std::string error; // names an encoding that is not read; the text is then empty
};

DecodedText decodeText(std::string bytes);

// The bytes of the byte order mark before a file's text in this encoding.
std::size_t byteOrderMarkSize(TextEncoding encoding);

// Whether a file that begins with these bytes is text although it holds NUL
// bytes: it begins with a UTF-16 or UTF-32 byte order mark.
bool startsWithWideMark(std::string_view start);

} // namespace bitloom::handling
