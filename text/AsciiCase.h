// Case in the ASCII letters only, as the games and the C locale see it: a
// handling file's identifiers, flag names and markers are ASCII, and no
// other byte of a UTF-8 or Windows-1252 text may change.
#pragma once

#include <algorithm>
#include <string_view>

namespace bitloom::text {

constexpr char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool sameIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

} // namespace bitloom::text
