#include "TextDecoder.h"

#include "Messages.h"

#include <algorithm>
#include <array>

namespace bitloom::cli {

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

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Unpaired surrogates and an odd last byte become U+FFFD.
std::string utf16ToUtf8(std::string_view bytes, bool littleEndian)
{
    constexpr char32_t replacement = 0xFFFD;
    const auto unit = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(littleEndian ? first | second << 8 : first << 8 | second);
    };
    const auto isHigh = [](char32_t u) {
        return u >= 0xD800 && u <= 0xDBFF;
    };
    const auto isLow = [](char32_t u) {
        return u >= 0xDC00 && u <= 0xDFFF;
    };

    std::string out;
    out.reserve(bytes.size() / 2);
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t u = unit(i);
        if (isHigh(u) && i + 3 < bytes.size() && isLow(unit(i + 2))) {
            appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unit(i + 2) - 0xDC00));
            i += 2;
        } else {
            appendUtf8(out, isHigh(u) || isLow(u) ? replacement : u);
        }
    }
    if (i < bytes.size())
        appendUtf8(out, replacement);
    return out;
}

} // namespace

DecodedText decodeText(std::string bytes)
{
    DecodedText decoded;
    const ByteOrderMark *mark = markOf(bytes);
    if (mark != nullptr && !mark->read) {
        decoded.error = messages::unreadEncoding(mark->name, true);
        return decoded;
    }
    if (mark == nullptr) {
        if (const std::string_view name = unmarkedUtf16(bytes); !name.empty()) {
            decoded.error = messages::unreadEncoding(name, false);
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
        decoded.text = utf16ToUtf8(body, mark->encoding == TextEncoding::Utf16Le);
    }
    return decoded;
}

bool startsWithWideMark(std::string_view start)
{
    const ByteOrderMark *mark = markOf(start);
    return mark != nullptr && mark->encoding != TextEncoding::Utf8Bom;
}

} // namespace bitloom::cli
