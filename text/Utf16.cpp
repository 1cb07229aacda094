#include "Utf16.h"

namespace bitloom::text {

namespace {

constexpr char32_t replacement = 0xFFFD;

constexpr bool isHighSurrogate(char32_t u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}

constexpr bool isLowSurrogate(char32_t u)
{
    return u >= 0xDC00 && u <= 0xDFFF;
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

void appendUtf16(std::u16string &out, char32_t c)
{
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
}

// A valid sequence's length and the range of its second byte, from its first
// byte (0 for a byte that begins none); the ranges leave out overlong forms,
// surrogates and code points above U+10FFFF.
struct SequenceStart {
    std::size_t length;
    unsigned char secondLow;
    unsigned char secondHigh;
};

constexpr SequenceStart sequenceStart(unsigned char first)
{
    if (first >= 0xC2 && first <= 0xDF)
        return {2, 0x80, 0xBF};
    if (first == 0xE0)
        return {3, 0xA0, 0xBF};
    if (first == 0xED)
        return {3, 0x80, 0x9F};
    if (first >= 0xE1 && first <= 0xEF)
        return {3, 0x80, 0xBF};
    if (first == 0xF0)
        return {4, 0x90, 0xBF};
    if (first >= 0xF1 && first <= 0xF3)
        return {4, 0x80, 0xBF};
    if (first == 0xF4)
        return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

} // namespace

std::string utf8FromUtf16(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            appendUtf8(out, isHighSurrogate(unit) || isLowSurrogate(unit) ? replacement : unit);
        }
    }
    return out;
}

std::u16string utf16FromUtf8(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto first = static_cast<unsigned char>(text[i]);
        if (first < 0x80) {
            out += static_cast<char16_t>(first);
            ++i;
            continue;
        }
        const SequenceStart start = sequenceStart(first);
        char32_t c = first & (0x7F >> start.length);
        std::size_t read = 1;
        for (; read < start.length && i + read < text.size(); ++read) {
            const auto next = static_cast<unsigned char>(text[i + read]);
            const unsigned char low = read == 1 ? start.secondLow : 0x80;
            const unsigned char high = read == 1 ? start.secondHigh : 0xBF;
            if (next < low || next > high)
                break;
            c = c << 6 | (next & 0x3F);
        }
        appendUtf16(out, start.length == 0 || read < start.length ? replacement : c);
        i += read;
    }
    return out;
}

std::size_t completeUtf8Length(std::string_view text)
{
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: look further back
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? text.size() - back : text.size();
    }
    return text.size();
}

#ifdef _WIN32
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring wideFromUtf8(std::string_view text)
{
    const std::u16string wide = utf16FromUtf8(text);
    return {wide.begin(), wide.end()};
}

std::string utf8FromWide(std::wstring_view text)
{
    return utf8FromUtf16(std::u16string(text.begin(), text.end()));
}
#endif

} // namespace bitloom::text
