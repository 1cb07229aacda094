#include "Rules.h"

#include "handling/GameOfFile.h"

#include <fmt/format.h>

namespace bitloom::handling::rules {

// A file of another game read as this one has every standard line wrong:
// one message says why, and stands for them all.
void checkGame(const HandlingFile &file, const GameProfile &game, std::vector<Problem> &problems)
{
    const GameEvidence evidence = gameOfFile(file);
    if (evidence.game == nullptr || evidence.game == &game)
        return;
    problems.push_back(
        {.message = fmt::format(
             "{matching} des {lines} lignes standard ont {count} champs, comme "
             "celles de {game} : c'est un fichier de {game} ; relancez avec "
             "--game {option}, ou sans --game",
             fmt::arg("matching", evidence.matching), fmt::arg("lines", evidence.lines),
             fmt::arg("count", evidence.game->fieldsOf(LineKind::Standard)),
             fmt::arg("game", evidence.game->title), fmt::arg("option", evidence.game->option))});
}

} // namespace bitloom::handling::rules
