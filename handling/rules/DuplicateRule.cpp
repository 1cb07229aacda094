#include "Rules.h"

#include "handling/MessageText.h"

#include <fmt/format.h>
#include <map>
#include <utility>

namespace bitloom::handling::rules {

// Each definition overwrites the one before, so the game keeps the last:
// every earlier line is a change that has no effect.
void checkDuplicates(const HandlingFile &file, const GameProfile &, std::vector<Problem> &problems)
{
    std::map<std::pair<LineKind, std::string_view>, const ReadLine *> last;
    for (auto line = file.lines.rbegin(); line != file.lines.rend(); ++line) {
        if (!isVehicleLine(line->fields.kind) || line->fields.identifier.empty())
            continue;
        const auto [kept, first]
            = last.try_emplace({line->fields.kind, line->fields.identifier}, &*line);
        if (first)
            continue;
        problems.push_back(
            lineProblem(*line, Level::Error,
                        fmt::format("défini à nouveau ligne {} ({}) : le jeu garde la dernière "
                                    "définition et ignore celle-ci",
                                    kept->second->number, entryLabel(line->fields.kind))));
    }
}

} // namespace bitloom::handling::rules
