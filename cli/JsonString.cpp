#include "JsonString.h"

#include <cstddef>

namespace bitloom::cli {

namespace {

constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

bool inRange(unsigned char byte, unsigned char low, unsigned char high)
{
    return byte >= low && byte <= high;
}

// Length of the well-formed UTF-8 sequence at the start of text (RFC 3629:
// no overlong forms, no surrogates, nothing above U+10FFFF), or 0.
std::size_t sequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (inRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (inRange(lead, 0xE0, 0xEF)) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (inRange(lead, 0xF0, 0xF4)) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || !inRange(byte(1), low, high))
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!inRange(byte(i), 0x80, 0xBF))
            return 0;
    }
    return length;
}

void appendEscaped(std::string &out, unsigned char byte)
{
    constexpr std::string_view hexDigits = "0123456789abcdef";
    switch (byte) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        out += "\\u00";
        out += hexDigits[byte >> 4];
        out += hexDigits[byte & 0xF];
    }
}

} // namespace

std::string jsonString(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            if (byte < 0x20 || byte == '"' || byte == '\\')
                appendEscaped(out, byte);
            else
                out += static_cast<char>(byte);
            ++i;
            continue;
        }
        const std::size_t length = sequenceLength(text.substr(i));
        if (length == 0) {
            out += replacementCharacter;
            ++i;
        } else {
            out += text.substr(i, length);
            i += length;
        }
    }
    out += '"';
    return out;
}

} // namespace bitloom::cli
