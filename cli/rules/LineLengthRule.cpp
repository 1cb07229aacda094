#include "Rules.h"

#include "cli/Messages.h"

namespace bitloom::cli::rules {

using messages::cat;

void checkLineLength(const HandlingFile &file, const GameProfile &, std::vector<Problem> &problems)
{
    for (const ReadLine &line : file.lines) {
        if (line.text.size() <= maxLineLength)
            continue;
        problems.push_back(lineProblem(line, Level::Error,
                                       cat({"ligne de ", std::to_string(line.text.size()),
                                            " caractères : le jeu n'en prévoit que ",
                                            std::to_string(maxLineLength), " et peut planter"})));
    }
}

} // namespace bitloom::cli::rules
