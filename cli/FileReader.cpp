#include "FileReader.h"

#include "Messages.h"
#include "StreamReader.h"

#include <filesystem>
#include <fstream>
#include <utility>

namespace bitloom::cli {

namespace fs = std::filesystem;

namespace {

// Paths come in UTF-8. Windows names files in UTF-16, and only a path made
// from char8_t is converted from UTF-8 there (a plain string would be read in
// the ANSI code page); elsewhere the bytes are the name, whatever they are.
fs::path pathFromUtf8(const std::string &text)
{
#ifdef _WIN32
    return fs::path(std::u8string(text.begin(), text.end()));
#else
    return fs::path(text);
#endif
}

} // namespace

FileContents readFileContents(const std::string &path, std::size_t maxBytes)
{
    const fs::path file = pathFromUtf8(path);
    std::error_code status;
    // When existence cannot be told (a folder on the way is closed), opening
    // the file below fails and says so.
    if (!fs::exists(file, status) && !status)
        return {{}, messages::fileNotFound()};
    if (fs::is_directory(file, status))
        return {{}, messages::isDirectory()};

    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {{}, messages::cannotOpen()};

    FileContents contents;
    const std::uintmax_t size = fs::is_regular_file(file, status) ? fs::file_size(file, status) : 0;
    if (!status && size <= maxBytes)
        contents.text.reserve(static_cast<std::size_t>(size));
    return readStreamContents(in, maxBytes, std::move(contents));
}

} // namespace bitloom::cli
