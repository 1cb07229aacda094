#include "RuntimeDir.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace bitloom::bench {

RuntimeDir::RuntimeDir()
{
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::string pattern = (base / "bitloom-bench-XXXXXX").string();
    // mkdtemp creates the directory with mode 0700.
    if (::mkdtemp(pattern.data()))
        m_path = pattern;
}

RuntimeDir::~RuntimeDir()
{
    if (m_path.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

} // namespace bitloom::bench
