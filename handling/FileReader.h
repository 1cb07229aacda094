// Reading a whole handling file into memory: a file on disk, or a stream
// such as the standard input.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace bitloom::handling {

// A real handling file is some tens of kilobytes; the limit only keeps an
// endless or huge input from filling the memory.
inline constexpr std::size_t maxFileBytes = std::size_t{256} * 1024 * 1024;

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

// The file at path (UTF-8), read as readStreamContents reads a stream.
FileContents readFileContents(const std::string &path, std::size_t maxBytes = maxFileBytes);

} // namespace bitloom::handling
