// bitloom-flags --help, which help2man also reads to write the manual page:
// a usage line, then sections whose titles end with " :".
#pragma once

#include <string>

namespace bitloom::cli {

std::string helpText();

} // namespace bitloom::cli
