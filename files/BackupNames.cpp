#include "BackupNames.h"

#include "text/Utf16.h"
#include "text/Utf8Path.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <string_view>

namespace bitloom::files {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view extension = ".bak";

std::string utf8Name(const fs::path &path)
{
#ifdef _WIN32
    return text::utf8FromWide(path.native());
#else
    return path.native();
#endif
}

// 1 for FILE.bak, N for FILE.N.bak (N from 2, without leading zeros).
std::optional<unsigned> backupNumber(std::string_view name, std::string_view file)
{
    if (!name.starts_with(file) || !name.ends_with(extension))
        return std::nullopt;
    name = name.substr(file.size(), name.size() - file.size() - extension.size());
    if (name.empty())
        return 1;
    if (name.size() < 2 || name[0] != '.' || name[1] == '0')
        return std::nullopt;
    unsigned number = 0;
    const auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), number);
    if (error != std::errc() || end != name.data() + name.size() || number < 2)
        return std::nullopt;
    return number;
}

std::string numbered(const std::string &path, unsigned number)
{
    if (number <= 1)
        return path + std::string(extension);
    return path + '.' + std::to_string(number) + std::string(extension);
}

} // namespace

std::string nextBackupName(const std::string &path)
{
    const fs::path place = text::pathFromUtf8(path);
    const std::string file = utf8Name(place.filename());
    fs::path folder = place.parent_path();
    if (folder.empty())
        folder = ".";
    unsigned highest = 0;
    std::error_code error;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder, error)) {
        const std::optional<unsigned> number
            = backupNumber(utf8Name(entry.path().filename()), file);
        if (number && *number > highest)
            highest = *number;
    }
    // A folder that cannot be listed still gets a name; placing the copy
    // never takes one that is taken.
    return numbered(path, highest + 1);
}

std::string backupNameAfter(const std::string &path, const std::string &taken)
{
    const std::string file = utf8Name(text::pathFromUtf8(path).filename());
    const std::string takenFile = utf8Name(text::pathFromUtf8(taken).filename());
    return numbered(path, backupNumber(takenFile, file).value_or(1) + 1);
}

} // namespace bitloom::files
