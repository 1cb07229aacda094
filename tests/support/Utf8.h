// The programs write UTF-8; Windows names files and passes arguments in UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace bitloom::wintest {

std::string utf8(std::wstring_view text);
std::wstring wide(std::string_view text);

} // namespace bitloom::wintest
