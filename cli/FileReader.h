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

// Reading stops after the first block that holds a NUL byte: the file is
// binary and the scanner refuses it, so there is no need to read on (and a
// device such as /dev/zero does not keep us reading forever).
FileContents readFileContents(const std::string &path, std::size_t maxBytes = maxFileBytes);

} // namespace bitloom::cli
