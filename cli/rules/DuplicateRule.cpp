#include "Rules.h"

#include "cli/Messages.h"

#include <map>
#include <utility>

namespace bitloom::cli::rules {

using messages::cat;

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
                        cat({"défini à nouveau ligne ", std::to_string(kept->second->number), " (",
                             messages::entryLabel(line->fields.kind),
                             ") : le jeu garde la dernière définition et ignore celle-ci"})));
    }
}

} // namespace bitloom::cli::rules
