#include "Text.h"

#include "text/Utf16.h"

namespace bitloom::win32 {

std::wstring toWide(std::string_view utf8)
{
    return text::wideFromUtf8(utf8);
}

std::string toUtf8(std::wstring_view wide)
{
    return text::utf8FromWide(wide);
}

} // namespace bitloom::win32
