#include "FileReplacement.h"

#include "NewFile.h"
#include "text/Utf8Path.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace bitloom::files {

namespace {

bool stillHolds(const std::string &path, std::string_view original)
{
    std::ifstream in(text::pathFromUtf8(path), std::ios::binary);
    if (!in)
        return false;
    const std::string contents{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
    return contents == original;
}

constexpr std::string_view changedOnDisk
    = "le fichier a changé sur le disque depuis sa lecture ; relancez la commande";

} // namespace

std::string backupPath(const std::string &path)
{
    return path + ".bak";
}

std::string replaceFile(const std::string &path, const Replacement &replacement,
                        const std::function<void()> &beforeReplace)
{
    const std::string target = existingFile(path);
    if (target.empty())
        return "fichier introuvable";
    if (std::string refusal = writeRefusal(target); !refusal.empty())
        return refusal;
    if (!stillHolds(target, replacement.original))
        return std::string(changedOnDisk);

    NewFile contents;
    if (std::string failure = contents.write(target, replacement.contents, target);
        !failure.empty())
        return failure;
    if (beforeReplace)
        beforeReplace();
    // The check and the move are not one step: a change in between is lost
    // to the new contents, as it would be to any editor that saves.
    if (!stillHolds(target, replacement.original))
        return std::string(changedOnDisk);

    if (replacement.keepBackup) {
        const std::string backupFile = backupPath(path);
        NewFile backup;
        std::string failure = backup.write(backupFile, replacement.original, target);
        if (failure.empty())
            failure = backup.moveTo(backupFile);
        if (!failure.empty())
            return "copie de sauvegarde : " + failure;
    }
    return contents.moveTo(target);
}

} // namespace bitloom::files
