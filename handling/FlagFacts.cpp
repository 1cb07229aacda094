#include "FlagFacts.h"

#include "flags/FlagAliases.h"
#include "flags/FlagsValue.h"

namespace bitloom::handling {

FlagFacts flagFacts(int bit)
{
    FlagFacts facts{.bit = bit,
                    .digit = flags::digitOf(bit),
                    .digitCaption = flags::digitCaption(flags::digitOf(bit)),
                    .mask = flags::valueText(flags::maskOf(bit)),
                    .name = flags::flagAt(bit).name,
                    .description = flags::flagAt(bit).description,
                    .aliases = {}};
    for (const flags::FlagAlias &alias : flags::flagAliases) {
        if (flags::bitNamed(alias.name) == bit)
            facts.aliases.push_back(alias.alias);
    }
    return facts;
}

std::vector<FlagFacts> flagsOf(std::uint32_t value)
{
    std::vector<FlagFacts> list;
    for (int bit : flags::setBits(value))
        list.push_back(flagFacts(bit));
    return list;
}

std::vector<FlagFacts> flagTable(const GameProfile &game)
{
    std::vector<FlagFacts> list;
    for (int bit = 0; bit < game.flagCount; ++bit)
        list.push_back(flagFacts(bit));
    return list;
}

std::vector<std::string_view> flagNames(std::uint32_t value)
{
    std::vector<std::string_view> names;
    for (int bit : flags::setBits(value))
        names.push_back(flags::flagAt(bit).name);
    return names;
}

} // namespace bitloom::handling
