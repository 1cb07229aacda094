// The system's part of replacing a file: a new file written beside it, on
// disk once written, and moved over it in one step.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace bitloom::files {

// Paths in UTF-8. The file is removed again unless it was moved.
class NewFile {
public:
    NewFile() = default;
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;
    ~NewFile();

    // Writes contents to a new file in the folder of destination, with the
    // permissions of the file like; empty, or what went wrong (in French).
    std::string write(const std::string &destination, std::string_view contents,
                      const std::string &like);
    // Takes the place of destination, which keeps its attributes where the
    // system keeps them; empty, or what went wrong.
    std::string moveTo(const std::string &destination);

private:
    std::string name;
};

// The file a path names, through symbolic links; empty when there is none.
std::string existingFile(const std::string &path);
// Empty, or why the file at path may not be written: it is read-only.
std::string writeRefusal(const std::string &path);

} // namespace bitloom::files
