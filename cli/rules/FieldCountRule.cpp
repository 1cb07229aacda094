#include "Rules.h"

#include "cli/Messages.h"

namespace bitloom::cli::rules {

using messages::cat;

namespace {

std::string fields(std::size_t count)
{
    return messages::counted(count, "champ", "champs");
}

// What a short standard line leaves in the flags column.
std::string flagsRead(const ReadLine &line, const GameProfile &game)
{
    if (line.fields.kind != LineKind::Standard)
        return {};
    if (line.fields.flagsText.empty())
        return cat({" ; le jeu ne lit rien dans la colonne \"", game.column, "\""});
    return cat({" ; le jeu lit ", messages::quoted(line.fields.flagsText), " dans la colonne \"",
                game.column, "\""});
}

} // namespace

void checkFieldCounts(const HandlingFile &file, const GameProfile &game,
                      std::vector<Problem> &problems)
{
    for (const ReadLine &line : file.lines) {
        if (!isVehicleLine(line.fields.kind))
            continue;
        const std::size_t count = line.fields.fieldCount;
        const auto needed = static_cast<std::size_t>(game.fieldsOf(line.fields.kind));
        const std::string what = cat({messages::entryLabel(line.fields.kind), " de ", game.title});
        if (count < needed) {
            problems.push_back(lineProblem(
                line, Level::Error,
                cat({fields(count), ", il en faut ", std::to_string(needed), " pour une ", what,
                     " : les colonnes qui suivent le manque sont décalées",
                     flagsRead(line, game)})));
        } else if (count > needed) {
            problems.push_back(lineProblem(
                line, Level::Warning,
                cat({fields(count), ", une ", what, " en a ", std::to_string(needed),
                     " : le jeu ignore les derniers ; si un champ a été ajouté plus tôt, les "
                     "colonnes sont décalées"})));
        }
    }
}

} // namespace bitloom::cli::rules
