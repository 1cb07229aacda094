#include "ValueCommands.h"

#include "FlagLookup.h"
#include "Messages.h"
#include "Program.h"
#include "flags/FlagsValue.h"
#include "flags/FlagsValueReader.h"

namespace bitloom::cli {

namespace {

void complain(const CommandContext &context, const Problem &problem)
{
    context.err << messages::inputProblem(problem) << '\n';
}

// encode's starting value: a word that begins with a digit and holds no '_',
// which no flag name does.
bool isStartValue(std::string_view word)
{
    return !word.empty() && word.front() >= '0' && word.front() <= '9'
           && word.find('_') == std::string_view::npos;
}

} // namespace

int runDecode(const CommandContext &context)
{
    const GameProfile &game = *context.options.game;
    std::vector<DecodedValue> values;
    std::vector<Problem> problems;
    for (std::string_view text : context.options.operands) {
        const flags::ValueReading reading = flags::readFlagsValue(text, game.allowedBits());
        const bool read = reading.problem == flags::ValueProblem::None
                          || reading.problem == flags::ValueProblem::AboveFlags;
        if (read) {
            values.push_back(
                {text, reading.value & game.allowedBits(), reading.value & ~game.allowedBits()});
        }
        if (reading.problem == flags::ValueProblem::None)
            continue;
        problems.push_back({.level = read ? Level::Warning : Level::Error,
                            .message = messages::valueProblem(text, reading, game),
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
            if (reading.problem == flags::ValueProblem::None
                || reading.problem == flags::ValueProblem::AboveFlags) {
                value = reading.value & game.allowedBits();
            }
            if (reading.problem == flags::ValueProblem::AboveFlags) {
                problems.push_back({.level = Level::Warning,
                                    .message = messages::extraBitsDropped(
                                        word, reading.value & ~game.allowedBits(), game),
                                    .input = word,
                                    .gameValue = reading.gameValue});
                complain(context, problems.back());
            } else if (reading.problem != flags::ValueProblem::None) {
                problems.push_back({.message = messages::valueProblem(word, reading, game),
                                    .input = word,
                                    .gameValue = reading.gameValue});
                complain(context, problems.back());
            }
            continue;
        }
        const bool removes = word.starts_with('-');
        const std::string_view name = removes || word.starts_with('+') ? word.substr(1) : word;
        const auto bit = findFlag(name);
        if (bit && *bit < game.flagCount) {
            if (removes)
                value &= ~flags::maskOf(*bit);
            else
                value |= flags::maskOf(*bit);
            continue;
        }
        problems.push_back({.message = bit ? messages::flagNotInGame(name, game)
                                           : messages::unknownFlag(name, flagSuggestions(name)),
                            .input = word});
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
