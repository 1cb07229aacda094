#include "Utf8Path.h"

#include "Utf16.h"

namespace bitloom::text {

std::filesystem::path pathFromUtf8(std::string_view path)
{
#ifdef _WIN32
    return std::filesystem::path(wideFromUtf8(path));
#else
    return std::filesystem::path(path);
#endif
}

} // namespace bitloom::text
