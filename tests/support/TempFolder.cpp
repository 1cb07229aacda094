#include "TempFolder.h"

#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <windows.h>

namespace bitloom::wintest {

namespace fs = std::filesystem;

TempFolder::TempFolder(std::wstring_view name)
{
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH)
        throw std::runtime_error("no temporary folder");
    // The process id keeps programs that run at once apart.
    root = fs::path(std::wstring(temp, length))
           / (std::wstring(name) + L'-' + std::to_wstring(GetCurrentProcessId()));
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

} // namespace bitloom::wintest
