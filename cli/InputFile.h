// A handling file named on the command line, or the standard input, read
// whole and decoded.
#pragma once

#include "TextDecoder.h"

#include <istream>
#include <string>
#include <string_view>

namespace bitloom::cli {

struct InputFile {
    std::string_view name{}; // as given: a path, or "-"
    DecodedText decoded{};
    std::string error{}; // the file could not be read, or its encoding is not read
};

// operand "-" reads in.
InputFile readInputFile(std::string_view operand, std::istream &in);

} // namespace bitloom::cli
