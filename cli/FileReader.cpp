#include "FileReader.h"

#include "Messages.h"
#include "StreamReader.h"

#include <filesystem>
#include <fstream>
#include <utility>

namespace bitloom::cli {

FileContents readFileContents(const std::string &path, std::size_t maxBytes)
{
    namespace fs = std::filesystem;
    std::error_code status;
    // When existence cannot be told (a folder on the way is closed), opening
    // the file below fails and says so.
    if (!fs::exists(path, status) && !status)
        return {{}, messages::fileNotFound()};
    if (fs::is_directory(path, status))
        return {{}, messages::isDirectory()};

    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {{}, messages::cannotOpen()};

    FileContents contents;
    const std::uintmax_t size = fs::is_regular_file(path, status) ? fs::file_size(path, status) : 0;
    if (!status && size <= maxBytes)
        contents.text.reserve(static_cast<std::size_t>(size));
    return readStreamContents(in, maxBytes, std::move(contents));
}

} // namespace bitloom::cli
