#include "TextDecoder.h"

#include "text/Utf16.h"

#include <algorithm>
#include <array>
#include <fmt/format.h>

namespace bitloom::handling {

namespace {

struct ByteOrderMark {
    std::string_view bytes;
    std::string_view name;
    TextEncoding encoding;
    bool read; // false: named in an error only
};

// Longest first: the UTF-32 LE mark begins with the UTF-16 LE one.
constexpr std::array<ByteOrderMark, 5> byteOrderMarks{{
    {{"\xFF\xFE\0\0", 4}, "UTF-32 LE", TextEncoding::Plain, false},
    {{"\0\0\xFE\xFF", 4}, "UTF-32 BE", TextEncoding::Plain, false},
    {"\xEF\xBB\xBF", "UTF-8", TextEncoding::Utf8Bom, true},
    {"\xFF\xFE", "UTF-16 LE", TextEncoding::Utf16Le, true},
    {"\xFE\xFF", "UTF-16 BE", TextEncoding::Utf16Be, true},
}};

const ByteOrderMark *markOf(std::string_view bytes)
{
    const auto found
        = std::find_if(byteOrderMarks.begin(), byteOrderMarks.end(),
                       [&](const ByteOrderMark &mark) { return bytes.starts_with(mark.bytes); });
    return found == byteOrderMarks.end() ? nullptr : &*found;
}

// Without a mark, text in UTF-16 shows as a NUL byte beside every ASCII
// character. The first characters of a handling file are ASCII.
std::string_view unmarkedUtf16(std::string_view bytes)
{
    constexpr std::size_t pairsLooked = 16;
    const std::size_t pairs = std::min(bytes.size() / 2, pairsLooked);
    if (pairs == 0)
        return {};
    const auto every = [&](std::size_t zero, std::size_t other) {
        for (std::size_t i = 0; i < pairs; ++i) {
            if (bytes[2 * i + zero] != '\0' || bytes[2 * i + other] == '\0')
                return false;
        }
        return true;
    };
    if (every(1, 0))
        return "UTF-16 LE";
    if (every(0, 1))
        return "UTF-16 BE";
    return {};
}

// Pairs of bytes in the file's order; an odd last byte, half a character,
// becomes U+FFFD.
std::string fromUtf16Bytes(std::string_view bytes, bool littleEndian)
{
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = static_cast<char16_t>(littleEndian ? first | second << 8 : first << 8 | second);
    }
    std::string utf8 = text::utf8FromUtf16(units);
    if (bytes.size() % 2 != 0)
        utf8 += "\xEF\xBF\xBD";
    return utf8;
}

std::string unreadEncoding(std::string_view encoding, bool marked)
{
    return fmt::format("fichier en {}{} : encodage non lu ; enregistrez-le en ANSI", encoding,
                       marked ? " (d'après sa marque d'ordre des octets)"
                              : " sans marque d'ordre des octets");
}

} // namespace

DecodedText decodeText(std::string bytes)
{
    DecodedText decoded;
    const ByteOrderMark *mark = markOf(bytes);
    if (mark != nullptr && !mark->read) {
        decoded.error = unreadEncoding(mark->name, true);
        return decoded;
    }
    if (mark == nullptr) {
        if (const std::string_view name = unmarkedUtf16(bytes); !name.empty()) {
            decoded.error = unreadEncoding(name, false);
            return decoded;
        }
        decoded.text = std::move(bytes);
        return decoded;
    }

    decoded.encoding = mark->encoding;
    const std::string_view body = std::string_view(bytes).substr(mark->bytes.size());
    if (mark->encoding == TextEncoding::Utf8Bom) {
        bytes.erase(0, mark->bytes.size());
        decoded.text = std::move(bytes);
    } else {
        decoded.text = fromUtf16Bytes(body, mark->encoding == TextEncoding::Utf16Le);
    }
    return decoded;
}

std::size_t byteOrderMarkSize(TextEncoding encoding)
{
    const auto found = std::find_if(
        byteOrderMarks.begin(), byteOrderMarks.end(),
        [&](const ByteOrderMark &mark) { return mark.read && mark.encoding == encoding; });
    return found == byteOrderMarks.end() ? 0 : found->bytes.size();
}

bool startsWithWideMark(std::string_view start)
{
    const ByteOrderMark *mark = markOf(start);
    return mark != nullptr && mark->encoding != TextEncoding::Utf8Bom;
}

} // namespace bitloom::handling
