#include "FlagFacts.h"

#include "flags/FlagsValue.h"

#include <fmt/format.h>

namespace bitloom::handling {

FlagFacts flagFacts(const FlagsField &field, int bit)
{
    const flags::Flag &flag = field.table->at(bit);
    const int digit = bit / flags::bitsPerDigit + 1;
    FlagFacts facts{.bit = bit,
                    .digit = digit,
                    .digitCaption = digit == 1 ? "1er Chiffre" : fmt::format("{}e Chiffre", digit),
                    .mask = flags::hexText(std::uint32_t{1} << bit),
                    .name = flag.name,
                    .description = flag.description};
    for (const flags::FlagAlias &alias : field.table->aliases) {
        if (alias.name == flag.name)
            facts.aliases.push_back(alias.alias);
    }
    return facts;
}

std::vector<FlagFacts> flagsOf(const FlagsField &field, std::uint32_t value)
{
    std::vector<FlagFacts> list;
    for (int bit = 0; bit < field.flagCount; ++bit) {
        if ((value >> bit & 1U) != 0)
            list.push_back(flagFacts(field, bit));
    }
    return list;
}

std::vector<FlagFacts> flagTable(const FlagsField &field)
{
    std::vector<FlagFacts> list;
    for (int bit = 0; bit < field.flagCount; ++bit)
        list.push_back(flagFacts(field, bit));
    return list;
}

std::vector<std::string_view> flagNames(const FlagsField &field, std::uint32_t value)
{
    return field.table->namesIn(value & field.allowedBits());
}

} // namespace bitloom::handling
