#include "FlagWords.h"

#include "FlagFacts.h"
#include "MessageText.h"
#include "ValueProblemText.h"
#include "flags/FlagsValue.h"
#include "flags/FlagsValueReader.h"
#include "text/AsciiCase.h"

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

// The field a "key:" prefix names, and the value after it.
std::optional<std::size_t> prefixedField(std::string_view word, const GameProfile &game,
                                         std::string_view &value)
{
    const std::size_t colon = word.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    for (std::size_t i = 0; i < game.flagsFields.size(); ++i) {
        if (text::sameIgnoringAsciiCase(word.substr(0, colon), game.flagsFields[i].key)) {
            value = word.substr(colon + 1);
            return i;
        }
    }
    return std::nullopt;
}

// "model:2800 (colonne "af") ou handling:2800 (colonne "ag")".
std::string prefixedChoices(std::string_view value, const GameProfile &game)
{
    std::vector<std::string> choices;
    for (const FlagsField &field : game.flagsFields)
        choices.push_back(fmt::format("{}:{} (colonne \"{}\")", field.key, value, field.column));
    return fmt::format("{}", fmt::join(choices, " ou "));
}

} // namespace

bool isStartValue(std::string_view word, const GameProfile &game)
{
    std::string_view value = word;
    prefixedField(word, game, value);
    return !value.empty() && value.front() >= '0' && value.front() <= '9'
           && word.find('_') == std::string_view::npos;
}

std::optional<Problem> misspeltValue(std::string_view word, const GameProfile &game)
{
    if (word.empty() || isStartValue(word, game)
        || !std::all_of(word.begin(), word.end(), isHexDigit) || game.spelling(word))
        return std::nullopt;
    for (const FlagsField &field : game.flagsFields) {
        if (field.table->find(word))
            return std::nullopt;
    }
    return requestProblem(word, fmt::format("valeur {} : une valeur commence par un chiffre ; "
                                            "écrivez 0{}",
                                            quoted(word), word));
}

ValueOfField valueOfField(std::string_view word, const GameProfile &game)
{
    std::string_view text = word;
    const std::optional<std::size_t> prefixed = prefixedField(word, game, text);
    if (!prefixed && game.flagsFields.size() > 1)
        return {0, word,
                requestProblem(word, fmt::format("valeur {} : {} a {} champs de flags ; écrivez {}",
                                                 quoted(word), game.title, game.flagsFields.size(),
                                                 prefixedChoices(word, game)))};
    return {prefixed.value_or(0), text, std::nullopt};
}

StartValue readStartValue(std::string_view word, const GameProfile &game)
{
    ValueOfField ofField = valueOfField(word, game);
    if (ofField.problem)
        return {0, std::nullopt, std::move(ofField.problem)};
    const std::size_t field = ofField.field;
    const std::string_view text = ofField.text;
    const std::uint32_t allowed = game.flagsFields[field].allowedBits();
    const flags::ValueReading reading = flags::readFlagsValue(text, allowed);
    if (reading.problem == flags::ValueProblem::None)
        return {field, reading.value, std::nullopt};
    Problem problem = requestProblem(word, valueProblemText(text, reading, game));
    problem.gameValue = reading.gameValue;
    if (reading.problem != flags::ValueProblem::AboveFlags)
        return {field, std::nullopt, std::move(problem)};
    problem.level = Level::Warning;
    problem.message
        = fmt::format("valeur de départ {} : bits {} au-delà des {}, retirés du "
                      "résultat",
                      quoted(word), flags::hexText(reading.value & ~allowed), gameFlags(game));
    return {field, reading.value & allowed, std::move(problem)};
}

FlagStep readFlagStep(std::string_view word, const GameProfile &game)
{
    const bool removes = word.starts_with('-');
    const std::string_view name = removes || word.starts_with('+') ? word.substr(1) : word;
    for (std::size_t i = 0; i < game.flagsFields.size(); ++i) {
        const FlagsField &field = game.flagsFields[i];
        const std::optional<int> bit = field.table->find(name);
        if (!bit)
            continue;
        if (*bit < field.flagCount)
            return {i, std::uint32_t{1} << *bit, !removes, std::nullopt};
        return {i, 0, true,
                requestProblem(word, fmt::format("le flag {} n'est pas parmi les {}", quoted(name),
                                                 gameFlags(game)))};
    }
    if (std::optional<Problem> value = misspeltValue(word, game))
        return {0, 0, true, std::move(value)};
    std::vector<std::string_view> nearest;
    for (const FlagsField &field : game.flagsFields) {
        for (std::string_view suggested : field.table->suggestions(name))
            nearest.push_back(suggested);
    }
    return {
        0, 0, true,
        requestProblem(word, fmt::format("flag inconnu {}{}", quoted(name), suggestion(nearest)))};
}

std::vector<std::string> flagStepWords(const FlagsField &field, std::uint32_t before,
                                       std::uint32_t after)
{
    std::vector<std::string> words;
    for (const FlagFacts &flag : flagsOf(field, before ^ after)) {
        if (!flag.name.empty())
            words.push_back(
                fmt::format("{}{}", (after >> flag.bit & 1U) != 0 ? '+' : '-', flag.name));
    }
    return words;
}

} // namespace bitloom::handling
