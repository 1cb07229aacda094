// A folder of its own in the system's temporary folder (a C:\ path under
// Wine), removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace bitloom::tests {

class TempFolder {
public:
    explicit TempFolder(const std::filesystem::path &name);
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return root; }

    // Writes the bytes to a file under the folder, making its folders first.
    std::filesystem::path write(const std::filesystem::path &relative,
                                std::string_view contents) const;

private:
    std::filesystem::path root;
};

// The names in a folder, sorted.
std::vector<std::string> namesIn(const std::filesystem::path &folder);

// A file's bytes, all of them; empty when it cannot be read.
std::string contentsOf(const std::filesystem::path &file);

} // namespace bitloom::tests
