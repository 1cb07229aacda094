// Every JSON document the tests read, kept where the suite asks
// (BITLOOM_JSON_DOCUMENTS), for the check against the documented schema
// that runs after them.
#pragma once

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <process.h>
#define BITLOOM_PROCESS_ID _getpid()
#else
#include <unistd.h>
#define BITLOOM_PROCESS_ID getpid()
#endif

namespace bitloom::tests {

inline void keepJsonDocument(std::string_view document)
{
    const char *folder = std::getenv("BITLOOM_JSON_DOCUMENTS");
    if (folder == nullptr)
        return;
    static std::atomic<int> count = 0;
    std::filesystem::create_directories(folder);
    std::ofstream(
        std::filesystem::path(folder)
            / (std::to_string(BITLOOM_PROCESS_ID) + '-' + std::to_string(++count) + ".json"),
        std::ios::binary)
        << document;
}

} // namespace bitloom::tests
