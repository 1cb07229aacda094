// Running a console program to its end, keeping what it wrote.
#pragma once

#include <filesystem>
#include <string>
#include <vector>
#include <windows.h>

namespace bitloom::wintest {

struct CapturedRun {
    DWORD status = 0;
    std::string out; // the bytes written, as written
    std::string err;
};

// Throws when the program does not end within the time given.
CapturedRun runCaptured(const std::filesystem::path &program,
                        const std::vector<std::wstring> &arguments, DWORD milliseconds = 30000);

} // namespace bitloom::wintest
