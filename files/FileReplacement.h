// Writing a file's new contents without ever losing anything: neither the
// file, which holds either its old or its new contents, whole, at any
// moment, nor a copy kept beside it, whoever made it.
//
// The steps, and what a kill at each leaves (a failure at any step leaves
// the folder as it was, byte for byte):
//  1. The new contents are written to a hidden file beside the file, and
//     reach the disk. Killed here: that hidden file.
//  2. With a backup, the old contents are written the same way beside the
//     backup's place. Killed here: the hidden files.
//  3. The file must still hold what was read; the old contents' file takes
//     the first backup name no file or folder has: FILE.bak, then
//     FILE.2.bak, FILE.3.bak..., one more than the highest. It never takes
//     a name that is taken. Killed here: the backup beside the unchanged
//     file, an extra copy of it, and the hidden new contents.
//  4. The new contents take the file's place in one step. Should that fail,
//     the backup placed at step 3 is removed again.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace bitloom::files {

struct Replacement {
    std::string_view original; // what was read: the file must still hold it
    std::string_view contents;
    bool keepBackup = true;
};

struct ReplacementOutcome {
    std::string failure; // empty once the file holds the new contents; French
    std::string backup;  // where the old contents were kept, if they were
};

// Where the steps above stand, for tests that stop the process there.
enum class ReplacementStep : std::uint8_t { NewContentsWritten, BackupWritten, BackupPlaced };

// The file keeps its permissions; a path through a symbolic link replaces
// the file it points to, and the backup goes beside the path given.
ReplacementOutcome replaceFile(const std::string &path, const Replacement &replacement,
                               const std::function<void(ReplacementStep)> &reached = {});

} // namespace bitloom::files
