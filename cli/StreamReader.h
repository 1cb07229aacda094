// Reading a whole stream into memory: a file, or the standard input.
#pragma once

#include "FileReader.h"

#include <istream>

namespace bitloom::cli {

// Appends what is left of in to contents.text. Past maxBytes, or on a read
// error, the result holds an error instead. Reading stops after the first
// block that holds a NUL byte, unless the text begins with a UTF-16 or UTF-32
// byte order mark: other text has none, so that there is no need to read on
// (and a device such as /dev/zero does not keep us reading forever).
FileContents readStreamContents(std::istream &in, std::size_t maxBytes, FileContents contents = {});

} // namespace bitloom::cli
