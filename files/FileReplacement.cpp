#include "FileReplacement.h"

#include "BackupNames.h"
#include "NewFile.h"
#include "text/Utf8Path.h"

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

std::string backupFailure(const std::string &failure)
{
    return "copie de sauvegarde : " + failure;
}

// Names are tried from the next one up; another program may take one first.
constexpr int backupNamesTried = 100;

} // namespace

ReplacementOutcome replaceFile(const std::string &path, const Replacement &replacement,
                               const std::function<void(ReplacementStep)> &reached)
{
    const auto reach = [&](ReplacementStep step) {
        if (reached)
            reached(step);
    };
    const std::string target = existingFile(path);
    if (target.empty())
        return {"fichier introuvable", {}};
    if (std::string refusal = writeRefusal(target); !refusal.empty())
        return {refusal, {}};
    if (!stillHolds(target, replacement.original))
        return {std::string(changedOnDisk), {}};

    NewFile contents;
    if (std::string failure = contents.write(target, replacement.contents, target);
        !failure.empty())
        return {failure, {}};
    reach(ReplacementStep::NewContentsWritten);

    NewFile backup;
    std::string backupName;
    if (replacement.keepBackup) {
        backupName = nextBackupName(path);
        if (std::string failure = backup.write(backupName, replacement.original, target);
            !failure.empty())
            return {backupFailure(failure), {}};
        reach(ReplacementStep::BackupWritten);
    }
    // The check and the move are not one step: a change in between is lost
    // to the new contents, as it would be to any editor that saves.
    if (!stillHolds(target, replacement.original))
        return {std::string(changedOnDisk), {}};

    if (replacement.keepBackup) {
        std::string failure;
        NewFile::Placement placement = backup.place(backupName, failure);
        for (int tried = 1; placement == NewFile::Placement::NameTaken; ++tried) {
            if (tried == backupNamesTried)
                return {backupFailure("aucun nom libre"), {}};
            backupName = backupNameAfter(path, backupName);
            placement = backup.place(backupName, failure);
        }
        if (placement == NewFile::Placement::Failed)
            return {backupFailure(failure), {}};
        reach(ReplacementStep::BackupPlaced);
    }

    // Should the file not be replaced, the backup is removed with `backup`.
    if (std::string failure = contents.replace(target); !failure.empty())
        return {failure, {}};
    backup.keep();
    return {{}, backupName};
}

} // namespace bitloom::files
