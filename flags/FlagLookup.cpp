#include "FlagLookup.h"

#include "FlagTable.h"

namespace bitloom::flags {

std::optional<int> findFlag(std::string_view name)
{
    return windowFlags.find(name);
}

std::vector<std::string_view> flagSuggestions(std::string_view name)
{
    return windowFlags.suggestions(name);
}

} // namespace bitloom::flags
