#include "FlagWords.h"

#include "MessageText.h"
#include "ValueProblemText.h"
#include "flags/FlagLookup.h"
#include "flags/FlagsValue.h"
#include "flags/FlagsValueReader.h"

#include <algorithm>
#include <fmt/format.h>

namespace bitloom::handling {

namespace {

Problem requestProblem(std::string_view word, std::string message, Level level = Level::Error)
{
    return {.level = level,
            .rule = rules::request,
            .message = std::move(message),
            .input = std::string(word)};
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

} // namespace

bool isStartValue(std::string_view word)
{
    return !word.empty() && word.front() >= '0' && word.front() <= '9'
           && word.find('_') == std::string_view::npos;
}

std::optional<Problem> misspeltValue(std::string_view word, const GameProfile &game)
{
    if (word.empty() || isStartValue(word) || !std::all_of(word.begin(), word.end(), isHexDigit)
        || flags::findFlag(word) || game.spelling(word))
        return std::nullopt;
    return requestProblem(word, fmt::format("valeur {} : une valeur commence par un chiffre ; "
                                            "écrivez 0{}",
                                            quoted(word), word));
}

StartValue readStartValue(std::string_view word, const GameProfile &game)
{
    const flags::ValueReading reading = flags::readFlagsValue(word, game.allowedBits());
    if (reading.problem == flags::ValueProblem::None)
        return {reading.value, std::nullopt};
    Problem problem = requestProblem(word, valueProblemText(word, reading, game));
    problem.gameValue = reading.gameValue;
    if (reading.problem != flags::ValueProblem::AboveFlags)
        return {std::nullopt, std::move(problem)};
    problem.level = Level::Warning;
    problem.message = fmt::format("valeur de départ {} : bits {} au-delà des {}, retirés du "
                                  "résultat",
                                  quoted(word), flags::hexText(reading.value & ~game.allowedBits()),
                                  gameFlags(game));
    return {reading.value & game.allowedBits(), std::move(problem)};
}

FlagStep readFlagStep(std::string_view word, const GameProfile &game)
{
    const bool removes = word.starts_with('-');
    const std::string_view name = removes || word.starts_with('+') ? word.substr(1) : word;
    const auto bit = flags::findFlag(name);
    if (bit && *bit < game.flagCount)
        return {flags::maskOf(*bit), !removes, std::nullopt};
    if (!bit) {
        if (std::optional<Problem> value = misspeltValue(word, game))
            return {0, true, std::move(value)};
    }
    const std::string message
        = bit ? fmt::format("le flag {} n'est pas parmi les {}", quoted(name), gameFlags(game))
              : fmt::format("flag inconnu {}{}", quoted(name),
                            suggestion(flags::flagSuggestions(name)));
    return {0, true, requestProblem(word, message)};
}

} // namespace bitloom::handling
