#include "FlagLookup.h"

#include "FlagAliases.h"
#include "FlagCatalogue.h"
#include "NearestNames.h"
#include "text/AsciiCase.h"

#include <algorithm>
#include <array>

namespace bitloom::flags {

namespace {

// Catalogue names and aliases are upper case.
bool sameName(std::string_view knownName, std::string_view name)
{
    return std::equal(knownName.begin(), knownName.end(), name.begin(), name.end(),
                      [](char a, char b) { return a == text::upperAscii(b); });
}

// Every spelling a flag may be given, catalogue names first.
constexpr std::array<std::string_view, flagCount + flagAliases.size()> spellings = [] {
    std::array<std::string_view, flagCount + flagAliases.size()> all{};
    for (int bit = 0; bit < flagCount; ++bit)
        all[static_cast<std::size_t>(bit)] = flagAt(bit).name;
    for (std::size_t i = 0; i < flagAliases.size(); ++i)
        all[flagCount + i] = flagAliases[i].alias;
    return all;
}();

} // namespace

std::optional<int> findFlag(std::string_view name)
{
    for (int bit = 0; bit < flagCount; ++bit) {
        if (sameName(flagAt(bit).name, name))
            return bit;
    }
    for (const FlagAlias &alias : flagAliases) {
        if (sameName(alias.alias, name))
            return bitNamed(alias.name);
    }
    return std::nullopt;
}

std::vector<std::string_view> flagSuggestions(std::string_view name)
{
    std::vector<std::string_view> names;
    for (std::string_view spelling : nearestNames(name, spellings)) {
        const std::string_view flagName = flagAt(*findFlag(spelling)).name;
        if (std::find(names.begin(), names.end(), flagName) == names.end())
            names.push_back(flagName);
    }
    return names;
}

} // namespace bitloom::flags
