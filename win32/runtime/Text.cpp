#include "Text.h"

#include "handling/Utf16.h"

namespace bitloom::win32 {

// Windows' wchar_t holds UTF-16.
std::wstring toWide(std::string_view utf8)
{
    const std::u16string wide = handling::utf16FromUtf8(utf8);
    return {wide.begin(), wide.end()};
}

std::string toUtf8(std::wstring_view wide)
{
    return handling::utf8FromUtf16(std::u16string(wide.begin(), wide.end()));
}

} // namespace bitloom::win32
