#include "FileReader.h"

#include "Messages.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

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

    std::vector<char> block(std::size_t{1} << 20);
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto count = static_cast<std::size_t>(in.gcount());
        if (count > maxBytes - contents.text.size())
            return {{}, messages::fileTooLarge(maxBytes)};
        contents.text.append(block.data(), count);
        if (std::memchr(block.data(), '\0', count) != nullptr)
            break;
    }
    if (in.bad())
        return {{}, messages::readError()};
    return contents;
}

} // namespace bitloom::cli
