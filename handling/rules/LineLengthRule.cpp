#include "Rules.h"

#include <fmt/format.h>

namespace bitloom::handling::rules {

void checkLineLength(const HandlingFile &file, const GameProfile &, std::vector<Problem> &problems)
{
    for (const ReadLine &line : file.lines) {
        if (line.text.size() <= maxLineLength)
            continue;
        problems.push_back(lineProblem(line, Level::Error,
                                       fmt::format("ligne de {} caractères : le jeu n'en "
                                                   "prévoit que {} et peut planter",
                                                   line.text.size(), maxLineLength)));
    }
}

} // namespace bitloom::handling::rules
