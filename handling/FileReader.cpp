#include "FileReader.h"

#include "TextDecoder.h"
#include "text/Utf8Path.h"

#include <cstring>
#include <filesystem>
#include <fmt/format.h>
#include <fstream>
#include <utility>
#include <vector>

namespace bitloom::handling {

namespace fs = std::filesystem;

namespace {

FileContents failure(std::string message)
{
    return {{}, std::move(message)};
}

std::string tooLarge(std::size_t maxBytes, std::uintmax_t size = 0)
{
    const std::string what
        = size > 0 ? fmt::format("fichier de {} octets", size)
                   : fmt::format("fichier de plus de {} Mio", maxBytes / (1024 * 1024));
    return fmt::format("{} : bien plus que les {} que lit le jeu, ce n'est pas un fichier de "
                       "handling ; il n'est pas lu",
                       what, maxGameFileBytes);
}

} // namespace

FileContents readStreamContents(std::istream &in, std::size_t maxBytes, FileContents contents)
{
    std::vector<char> block(std::size_t{64} * 1024);
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto count = static_cast<std::size_t>(in.gcount());
        if (count > maxBytes - contents.text.size())
            return failure(tooLarge(maxBytes));
        contents.text.append(block.data(), count);
        if (std::memchr(block.data(), '\0', count) != nullptr && !startsWithWideMark(contents.text))
            break;
    }
    if (in.bad())
        return failure("erreur de lecture du fichier");
    return contents;
}

FileContents readFileContents(const std::string &path, std::size_t maxBytes)
{
    const fs::path file = text::pathFromUtf8(path);
    std::error_code status;
    // When existence cannot be told (a folder on the way is closed), opening
    // the file below fails and says so.
    if (!fs::exists(file, status) && !status)
        return failure("fichier introuvable");
    if (fs::is_directory(file, status))
        return failure("c'est un dossier, pas un fichier");
    const std::uintmax_t size = fs::is_regular_file(file, status) ? fs::file_size(file, status) : 0;
    if (!status && size > maxBytes)
        return failure(tooLarge(maxBytes, size));

    std::ifstream in(file, std::ios::binary);
    if (!in)
        return failure("impossible d'ouvrir le fichier");
    FileContents contents;
    contents.text.reserve(static_cast<std::size_t>(size));
    return readStreamContents(in, maxBytes, std::move(contents));
}

} // namespace bitloom::handling
