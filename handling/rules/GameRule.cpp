#include "Rules.h"

#include <algorithm>
#include <fmt/format.h>

namespace bitloom::handling::rules {

// A file of another game read as this one has every standard line wrong:
// one message says why.
void checkGame(const HandlingFile &file, const GameProfile &game, std::vector<Problem> &problems)
{
    std::vector<std::size_t> counts;
    for (const ReadLine &line : file.lines) {
        if (line.fields.kind == LineKind::Standard && !line.fields.identifier.empty())
            counts.push_back(line.fields.fieldCount);
    }
    // A line or two may be shifted by mistake; a whole file is another game's.
    if (counts.size() < 3)
        return;
    for (const GameProfile *other : games()) {
        const auto needed = static_cast<std::size_t>(other->fieldsOf(LineKind::Standard));
        if (other == &game || needed == static_cast<std::size_t>(game.fieldsOf(LineKind::Standard))
            || std::any_of(counts.begin(), counts.end(),
                           [&](std::size_t count) { return count != needed; }))
            continue;
        const std::string lines
            = counts.size() > 1 ? fmt::format("les {} lignes standard ont toutes", counts.size())
                                : "la ligne standard a";
        problems.push_back(
            {.level = Level::Warning,
             .message
             = fmt::format("{lines} {count} champs, comme celles de {game} : si c'est un "
                           "fichier de {game}, relancez avec --game {option}",
                           fmt::arg("lines", lines), fmt::arg("count", needed),
                           fmt::arg("game", other->title), fmt::arg("option", other->option))});
        return;
    }
}

} // namespace bitloom::handling::rules
