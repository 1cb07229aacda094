#include "ValueReport.h"

#include "FlagWords.h"
#include "ValueProblemText.h"
#include "flags/FlagsValueReader.h"

namespace bitloom::handling {

ValueReport decodeValues(std::span<const std::string_view> inputs, const GameProfile &game)
{
    ValueReport report{.game = &game};
    for (std::string_view text : inputs) {
        const flags::ValueReading reading = flags::readFlagsValue(text, game.allowedBits());
        if (isRead(reading))
            report.values.push_back({std::string(text), reading.value & game.allowedBits(),
                                     reading.value & ~game.allowedBits()});
        if (reading.problem == flags::ValueProblem::None)
            continue;
        report.problems.push_back({.level = isRead(reading) ? Level::Warning : Level::Error,
                                   .rule = rules::request,
                                   .message = valueProblemText(text, reading, game),
                                   .input = std::string(text),
                                   .gameValue = reading.gameValue});
    }
    return report;
}

ValueReport encodeFlags(std::span<const std::string_view> words, const GameProfile &game)
{
    ValueReport report{.game = &game};
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::optional<Problem> problem;
        if (i == 0 && isStartValue(words[i])) {
            StartValue start = readStartValue(words[i], game);
            value = start.value.value_or(0);
            problem = std::move(start.problem);
        } else {
            FlagStep step = readFlagStep(words[i], game);
            value = step.appliedTo(value);
            problem = std::move(step.problem);
        }
        if (problem)
            report.problems.push_back(std::move(*problem));
    }
    if (countOf(report.problems, Level::Error) == 0)
        report.value = value;
    return report;
}

} // namespace bitloom::handling
