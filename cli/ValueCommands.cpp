#include "ValueCommands.h"

#include "CommandRunner.h"
#include "ProblemText.h"
#include "flags/FlagLookup.h"
#include "flags/FlagsValue.h"
#include "flags/FlagsValueReader.h"
#include "handling/MessageText.h"
#include "handling/ValueProblemText.h"

#include <fmt/format.h>

namespace bitloom::cli {

namespace {

void complain(const CommandContext &context, const Problem &problem)
{
    context.err << inputProblemText(problem) << '\n';
}

// encode's starting value: a word that begins with a digit and holds no '_',
// which no flag name does.
bool isStartValue(std::string_view word)
{
    return !word.empty() && word.front() >= '0' && word.front() <= '9'
           && word.find('_') == std::string_view::npos;
}

bool isRead(const flags::ValueReading &reading)
{
    return reading.problem == flags::ValueProblem::None
           || reading.problem == flags::ValueProblem::AboveFlags;
}

// A start value's problem: bits beyond the game's flags are dropped, with a
// warning; anything else is an error.
std::optional<Problem> startValueProblem(std::string_view word, const flags::ValueReading &reading,
                                         const GameProfile &game)
{
    if (reading.problem == flags::ValueProblem::None)
        return std::nullopt;
    if (reading.problem != flags::ValueProblem::AboveFlags)
        return Problem{.message = handling::valueProblemText(word, reading, game),
                       .input = word,
                       .gameValue = reading.gameValue};
    return Problem{.level = Level::Warning,
                   .message = fmt::format("valeur de départ {} : bits {} au-delà des {}, retirés "
                                          "du résultat",
                                          handling::quoted(word),
                                          flags::hexText(reading.value & ~game.allowedBits()),
                                          handling::gameFlags(game)),
                   .input = word,
                   .gameValue = reading.gameValue};
}

std::string nameProblem(std::string_view name, bool known, const GameProfile &game)
{
    if (known)
        return fmt::format("le flag {} n'est pas parmi les {}", handling::quoted(name),
                           handling::gameFlags(game));
    return fmt::format("flag inconnu {}{}", handling::quoted(name),
                       handling::suggestion(flags::flagSuggestions(name)));
}

} // namespace

int runDecode(const CommandContext &context)
{
    const GameProfile &game = *context.options.game;
    std::vector<DecodedValue> values;
    std::vector<Problem> problems;
    for (std::string_view text : context.options.operands) {
        const flags::ValueReading reading = flags::readFlagsValue(text, game.allowedBits());
        if (isRead(reading)) {
            values.push_back(
                {text, reading.value & game.allowedBits(), reading.value & ~game.allowedBits()});
        }
        if (reading.problem == flags::ValueProblem::None)
            continue;
        problems.push_back({.level = isRead(reading) ? Level::Warning : Level::Error,
                            .message = handling::valueProblemText(text, reading, game),
                            .input = text,
                            .gameValue = reading.gameValue});
        complain(context, problems.back());
    }
    context.err.flush(); // before the report, when both go to one terminal
    context.report.decoded(values, problems, game);
    return statusFor(problems);
}

int runEncode(const CommandContext &context)
{
    const GameProfile &game = *context.options.game;
    std::uint32_t value = 0;
    std::vector<Problem> problems;
    const auto &operands = context.options.operands;
    for (std::size_t i = 0; i < operands.size(); ++i) {
        const std::string_view word = operands[i];
        if (i == 0 && isStartValue(word)) {
            const flags::ValueReading reading = flags::readFlagsValue(word, game.allowedBits());
            if (isRead(reading))
                value = reading.value & game.allowedBits();
            if (auto problem = startValueProblem(word, reading, game)) {
                problems.push_back(std::move(*problem));
                complain(context, problems.back());
            }
            continue;
        }
        const bool removes = word.starts_with('-');
        const std::string_view name = removes || word.starts_with('+') ? word.substr(1) : word;
        const auto bit = flags::findFlag(name);
        if (bit && *bit < game.flagCount) {
            if (removes)
                value &= ~flags::maskOf(*bit);
            else
                value |= flags::maskOf(*bit);
            continue;
        }
        problems.push_back({.message = nameProblem(name, bit.has_value(), game), .input = word});
        complain(context, problems.back());
    }
    context.err.flush();
    const bool failed = statusFor(problems) != success;
    context.report.encoded(failed ? std::nullopt : std::optional(value), problems, game);
    return statusFor(problems);
}

int runList(const CommandContext &context)
{
    context.report.listed(*context.options.game);
    return success;
}

} // namespace bitloom::cli
