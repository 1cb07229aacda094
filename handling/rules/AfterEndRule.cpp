#include "Rules.h"

#include <fmt/format.h>

namespace bitloom::handling::rules {

// Mods append their vehicles at the end of the file, often after the marker.
void checkAfterEnd(const HandlingFile &file, const GameProfile &game,
                   std::vector<Problem> &problems)
{
    for (const ReadLine *line : vehiclesAfterEnd(file, game)) {
        problems.push_back(lineProblem(
            *line, Level::Error,
            fmt::format("ligne de véhicule après \"{}\" (ligne {}) : le jeu ne la lit pas ; "
                        "placez-la avant la fin des données",
                        endMarker, file.lines.back().number)));
    }
}

} // namespace bitloom::handling::rules
