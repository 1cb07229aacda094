// Plain text in lines no wider than a terminal's, as help texts are shown.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bitloom::text {

// Appends the text's words in lines no wider than width, each line after
// indent spaces; column is where the first line already stands. A line of
// the text that starts with two spaces is kept as it is, spaces included.
void appendWrapped(std::string &out, std::string_view text, std::size_t width, std::size_t indent,
                   std::size_t column = 0);

} // namespace bitloom::text
