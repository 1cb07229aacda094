#include "Rules.h"

#include <fmt/format.h>

namespace bitloom::handling::rules {

void checkLineLength(const HandlingFile &file, const GameProfile &game,
                     std::vector<Problem> &problems)
{
    for (const ReadLine &line : file.lines) {
        if (line.text.size() <= game.maxLineLength)
            continue;
        // A game that reads line by line reads the rest as another line; one
        // that copies the line into its buffer writes beyond it.
        problems.push_back(
            lineProblem(line, Level::Error,
                        fmt::format("ligne de {} caractères : le jeu n'en prévoit que {} et {}",
                                    line.text.size(), game.maxLineLength,
                                    game.maxFileBytes == 0 ? "lit la suite comme une autre ligne"
                                                           : "peut planter")));
    }
}

} // namespace bitloom::handling::rules
