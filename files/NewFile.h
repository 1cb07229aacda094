// The system's part of replacing a file: a new file written beside its
// destination and on disk, then put in place in one step. Paths in UTF-8;
// failures in French.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bitloom::files {

// Which file a name stands for, so that a file this program placed is
// removed only while its name still holds it.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t file = 0;
    bool operator==(const FileIdentity &) const = default;
};

// The file is removed again unless it took a file's place, or was kept
// under the name it was placed as.
class NewFile {
public:
    NewFile() = default;
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;
    ~NewFile();

    // Writes contents to a new hidden file in destination's folder, with the
    // permissions of the file like; empty, or what went wrong.
    std::string write(const std::string &destination, std::string_view contents,
                      const std::string &like);
    // Takes the place of destination, which keeps its attributes where the
    // system keeps them; empty, or what went wrong.
    std::string replace(const std::string &destination);

    enum class Placement : std::uint8_t { Placed, NameTaken, Failed };
    // Takes destination's name only while no file or folder has it; removed
    // again from there unless kept. failure says why it Failed.
    Placement place(const std::string &destination, std::string &failure);
    void keep();

private:
    std::string m_name;
    bool m_placed = false;
    FileIdentity m_identity;
};

// The file a path names, through symbolic links; empty when there is none.
std::string existingFile(const std::string &path);
// Empty, or why the file at path may not be written: it is read-only.
std::string writeRefusal(const std::string &path);

} // namespace bitloom::files
