// Paths come in UTF-8, like every text of the program. Windows names files
// in UTF-16 (a plain string would be read in the ANSI code page); elsewhere
// a path's bytes are its name, whatever they are.
#pragma once

#include <filesystem>
#include <string_view>

namespace bitloom::text {

std::filesystem::path pathFromUtf8(std::string_view path);

} // namespace bitloom::text
