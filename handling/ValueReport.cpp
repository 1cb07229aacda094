#include "ValueReport.h"

#include "FlagWords.h"
#include "ValueProblemText.h"
#include "flags/FlagsValueReader.h"

#include <optional>

namespace bitloom::handling {

ValueReport decodeValues(std::span<const std::string_view> inputs, const GameProfile &game)
{
    ValueReport report{.game = &game};
    for (std::string_view input : inputs) {
        ValueOfField ofField = valueOfField(input, game);
        if (ofField.problem) {
            report.problems.push_back(std::move(*ofField.problem));
            continue;
        }
        const std::uint32_t allowed = game.flagsFields[ofField.field].allowedBits();
        const flags::ValueReading reading = flags::readFlagsValue(ofField.text, allowed);
        if (isRead(reading))
            report.values.push_back({std::string(input), ofField.field, reading.value & allowed,
                                     reading.value & ~allowed});
        if (reading.problem == flags::ValueProblem::None)
            continue;
        report.problems.push_back({.level = isRead(reading) ? Level::Warning : Level::Error,
                                   .rule = rules::request,
                                   .message = valueProblemText(ofField.text, reading, game),
                                   .input = std::string(input),
                                   .gameValue = reading.gameValue});
    }
    return report;
}

ValueReport encodeFlags(std::span<const std::string_view> words, const GameProfile &game)
{
    ValueReport report{.game = &game};
    std::vector<std::optional<std::uint32_t>> values(game.flagsFields.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::optional<Problem> problem;
        if (i == 0 && isStartValue(words[i], game)) {
            StartValue start = readStartValue(words[i], game);
            values[start.field] = start.value.value_or(0);
            problem = std::move(start.problem);
        } else {
            FlagStep step = readFlagStep(words[i], game);
            if (!step.problem)
                values[step.field] = step.appliedTo(values[step.field].value_or(0));
            problem = std::move(step.problem);
        }
        if (problem)
            report.problems.push_back(std::move(*problem));
    }
    if (countOf(report.problems, Level::Error) > 0)
        return report;
    // A game of one field always has its value, which may be 0.
    if (game.flagsFields.size() == 1 && !values.front())
        values.front() = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i])
            report.values.push_back({{}, i, *values[i], 0});
    }
    return report;
}

} // namespace bitloom::handling
