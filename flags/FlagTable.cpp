#include "FlagTable.h"

#include "NearestNames.h"
#include "text/AsciiCase.h"

#include <algorithm>

namespace bitloom::flags {

namespace {

// Names and aliases are upper case.
bool sameName(std::string_view knownName, std::string_view name)
{
    return !knownName.empty()
           && std::equal(knownName.begin(), knownName.end(), name.begin(), name.end(),
                         [](char a, char b) { return a == text::upperAscii(b); });
}

} // namespace

std::optional<int> FlagTable::find(std::string_view name) const
{
    for (int bit = 0; bit < size(); ++bit) {
        if (sameName(at(bit).name, name))
            return bit;
    }
    for (const FlagAlias &alias : aliases) {
        if (sameName(alias.alias, name))
            return find(alias.name);
    }
    return std::nullopt;
}

std::vector<std::string_view> FlagTable::suggestions(std::string_view name) const
{
    std::vector<std::string_view> spellings;
    for (const Flag &flag : flags) {
        if (!flag.name.empty())
            spellings.push_back(flag.name);
    }
    for (const FlagAlias &alias : aliases)
        spellings.push_back(alias.alias);
    std::vector<std::string_view> names;
    for (std::string_view spelling : nearestNames(name, spellings)) {
        const std::string_view flagName = at(*find(spelling)).name;
        if (std::find(names.begin(), names.end(), flagName) == names.end())
            names.push_back(flagName);
    }
    return names;
}

std::vector<std::string_view> FlagTable::namesIn(std::uint32_t value) const
{
    std::vector<std::string_view> names;
    for (int bit = 0; bit < size(); ++bit) {
        if ((value >> bit & 1U) != 0 && !at(bit).name.empty())
            names.push_back(at(bit).name);
    }
    return names;
}

} // namespace bitloom::flags
