#include "Rules.h"

#include "flags/FlagsValueReader.h"
#include "handling/ValueProblemText.h"

namespace bitloom::handling::rules {

// Bits beyond the game's flags are a warning: the game reads the flags it
// knows and ignores the rest. Anything else that is not a plain value is an
// error, since the game reads something other than what is written.
void checkFlagsValues(const HandlingFile &file, const GameProfile &game,
                      std::vector<Problem> &problems)
{
    for (const ReadLine &line : file.lines) {
        if (line.fields.kind != LineKind::Standard)
            continue;
        for (std::size_t i = 0; i < game.flagsFields.size(); ++i) {
            const std::string_view text = line.fields.flagsTexts[i];
            if (text.empty())
                continue;
            const flags::ValueReading reading
                = flags::readFlagsValue(text, game.flagsFields[i].allowedBits());
            if (reading.problem == flags::ValueProblem::None)
                continue;
            Problem problem = lineProblem(
                line,
                reading.problem == flags::ValueProblem::AboveFlags ? Level::Warning : Level::Error,
                valueProblemText(text, reading, game));
            problem.input = std::string(text);
            problem.gameValue = reading.gameValue;
            problems.push_back(std::move(problem));
        }
    }
}

} // namespace bitloom::handling::rules
