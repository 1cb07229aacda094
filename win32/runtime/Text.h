#pragma once

#include <string>
#include <string_view>

namespace bitloom::win32 {

// The program's texts are UTF-8; Windows' wide functions take UTF-16.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

} // namespace bitloom::win32
