// Reading a whole handling file into memory.
#pragma once

#include <cstddef>
#include <string>

namespace bitloom::cli {

// A real handling file is some tens of kilobytes; the limit only keeps an
// endless or huge input from filling the memory.
inline constexpr std::size_t maxFileBytes = std::size_t{256} * 1024 * 1024;

struct FileContents {
    std::string text;
    std::string error; // empty when the file was read
};

// Reads the file as readStreamContents reads a stream.
FileContents readFileContents(const std::string &path, std::size_t maxBytes = maxFileBytes);

} // namespace bitloom::cli
