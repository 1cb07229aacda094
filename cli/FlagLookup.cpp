#include "FlagLookup.h"

#include "flags/FlagCatalogue.h"

#include <algorithm>

namespace bitloom::cli {

namespace {

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Catalogue names are upper case.
bool sameName(std::string_view catalogueName, std::string_view name)
{
    return std::equal(catalogueName.begin(), catalogueName.end(), name.begin(), name.end(),
                      [](char a, char b) { return a == upper(b); });
}

} // namespace

std::optional<int> findFlag(std::string_view name)
{
    for (int bit = 0; bit < flags::flagCount; ++bit) {
        if (sameName(flags::flagAt(bit).name, name))
            return bit;
    }
    return std::nullopt;
}

} // namespace bitloom::cli
