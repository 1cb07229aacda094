// Writing a file's new contents without ever losing it: they go to a new
// file beside it, reach the disk, then take the old one's place in one step.
// At any moment the file holds either its old or its new contents, whole.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace bitloom::files {

struct Replacement {
    std::string_view original; // what was read: the file must still hold it
    std::string_view contents;
    bool keepBackup = true; // the original, under backupPath
};

// Empty when the file holds the new contents; otherwise why it still holds
// the original (in French). The file keeps its permissions; a path through a
// symbolic link replaces the file it points to. Nothing is left behind but
// the backup, unless the process is killed on the way. beforeReplace runs
// once the new contents are on disk, just before they take the file's place.
std::string replaceFile(const std::string &path, const Replacement &replacement,
                        const std::function<void()> &beforeReplace = {});

// Where the backup goes: beside the path given, even through a link.
std::string backupPath(const std::string &path);

} // namespace bitloom::files
