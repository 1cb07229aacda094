#include "FlagWords.h"

#include "flags/FlagLookup.h"
#include "flags/FlagsValue.h"
#include "flags/FlagsValueReader.h"
#include "handling/MessageText.h"
#include "handling/ValueProblemText.h"

#include <fmt/format.h>

namespace bitloom::cli {

using handling::Level;
using handling::Problem;

bool isStartValue(std::string_view word)
{
    return !word.empty() && word.front() >= '0' && word.front() <= '9'
           && word.find('_') == std::string_view::npos;
}

StartValue readStartValue(std::string_view word, const handling::GameProfile &game)
{
    const flags::ValueReading reading = flags::readFlagsValue(word, game.allowedBits());
    if (reading.problem == flags::ValueProblem::None)
        return {reading.value, std::nullopt};
    if (reading.problem != flags::ValueProblem::AboveFlags)
        return {std::nullopt, Problem{.message = handling::valueProblemText(word, reading, game),
                                      .input = word,
                                      .gameValue = reading.gameValue}};
    return {reading.value & game.allowedBits(),
            Problem{.level = Level::Warning,
                    .message = fmt::format("valeur de départ {} : bits {} au-delà des {}, retirés "
                                           "du résultat",
                                           handling::quoted(word),
                                           flags::hexText(reading.value & ~game.allowedBits()),
                                           handling::gameFlags(game)),
                    .input = word,
                    .gameValue = reading.gameValue}};
}

FlagStep readFlagStep(std::string_view word, const handling::GameProfile &game)
{
    const bool removes = word.starts_with('-');
    const std::string_view name = removes || word.starts_with('+') ? word.substr(1) : word;
    const auto bit = flags::findFlag(name);
    if (bit && *bit < game.flagCount)
        return {flags::maskOf(*bit), !removes, std::nullopt};
    const std::string message
        = bit ? fmt::format("le flag {} n'est pas parmi les {}", handling::quoted(name),
                            handling::gameFlags(game))
              : fmt::format("flag inconnu {}{}", handling::quoted(name),
                            handling::suggestion(flags::flagSuggestions(name)));
    return {0, true, Problem{.message = message, .input = word}};
}

} // namespace bitloom::cli
