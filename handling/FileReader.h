// Reading a whole handling file into memory: a file on disk, or a stream
// such as the standard input.
#pragma once

#include "HandlingFormat.h"

#include <cstddef>
#include <istream>
#include <string>

namespace bitloom::handling {

// A handling file is some tens of kilobytes, and the game reads no more than
// maxGameFileBytes of it. Far larger, it is no handling file, and is not read:
// the memory and the time a command takes stay small whatever it is given.
inline constexpr std::size_t maxFileBytes = std::size_t{1024} * 1024;
static_assert(maxFileBytes > 16 * maxGameFileBytes);

struct FileContents {
    std::string text;
    std::string error; // empty when the file was read
};

// Appends what is left of in to contents.text. Past maxBytes, or on a read
// error, the result holds an error instead. Reading stops after the first
// block that holds a NUL byte, unless the text begins with a UTF-16 or UTF-32
// byte order mark: other text has none, so that there is no need to read on
// (and a device such as /dev/zero does not keep us reading forever).
FileContents readStreamContents(std::istream &in, std::size_t maxBytes = maxFileBytes,
                                FileContents contents = {});

// The file at path (UTF-8), read as readStreamContents reads a stream; a
// file whose size is known to be too large is refused before any reading.
FileContents readFileContents(const std::string &path, std::size_t maxBytes = maxFileBytes);

} // namespace bitloom::handling
