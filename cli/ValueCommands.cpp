#include "ValueCommands.h"

#include "CommandRunner.h"
#include "FlagWords.h"
#include "ProblemText.h"
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
        std::optional<Problem> problem;
        if (i == 0 && isStartValue(word)) {
            StartValue start = readStartValue(word, game);
            value = start.value.value_or(0);
            problem = std::move(start.problem);
        } else {
            FlagStep step = readFlagStep(word, game);
            value = step.appliedTo(value);
            problem = std::move(step.problem);
        }
        if (problem) {
            problems.push_back(std::move(*problem));
            complain(context, problems.back());
        }
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
