// UTF-8, in which the program keeps every text, to and from UTF-16, in which
// Windows names files and takes texts, and in which Notepad saves "Unicode".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bitloom::text {

// An unpaired surrogate becomes U+FFFD.
std::string utf8FromUtf16(std::u16string_view text);

// A byte that begins no valid UTF-8 sequence, and a sequence cut short,
// become U+FFFD, one for each (as Windows converts).
std::u16string utf16FromUtf8(std::string_view text);

// The length of text without the UTF-8 character cut short at its end, if
// any: what a stream written in pieces can convert now, the rest waiting for
// its next piece.
std::size_t completeUtf8Length(std::string_view text);

#ifdef _WIN32
// Windows' wchar_t is a UTF-16 unit: its wide functions take these.
std::wstring wideFromUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);
#endif

} // namespace bitloom::text
