#include "TempFolder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace bitloom::tests {

namespace fs = std::filesystem;

TempFolder::TempFolder(const fs::path &name)
{
    // A random suffix keeps programs that run at once apart.
    std::random_device random;
    root = fs::temp_directory_path() / name;
    root += "-";
    root += std::to_string(random());
    fs::remove_all(root);
    fs::create_directories(root);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

fs::path TempFolder::write(const fs::path &relative, std::string_view contents) const
{
    const fs::path file = root / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write a test file");
    return file;
}

std::vector<std::string> namesIn(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string contentsOf(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace bitloom::tests
