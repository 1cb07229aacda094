#include "GameOfFile.h"

namespace bitloom::handling {

GameEvidence gameOfFile(const HandlingFile &file)
{
    GameEvidence best;
    for (const ReadLine &line : file.lines)
        best.lines += line.fields.kind == LineKind::Standard && !line.fields.identifier.empty();
    for (const GameProfile *game : games()) {
        const auto needed = static_cast<std::size_t>(game->fieldsOf(LineKind::Standard));
        std::size_t matching = 0;
        for (const ReadLine &line : file.lines) {
            matching += line.fields.kind == LineKind::Standard && !line.fields.identifier.empty()
                        && line.fields.fieldCount == needed;
        }
        if (matching > best.matching)
            best = {game, matching, best.lines};
    }
    if (best.matching < 3 || 2 * best.matching <= best.lines)
        best.game = nullptr;
    return best;
}

const GameProfile &gameToRead(std::string_view text, TextEncoding encoding,
                              const GameProfile *asked)
{
    if (asked != nullptr)
        return *asked;
    const GameEvidence evidence = gameOfFile(readHandlingFile(text, encoding, viceCity));
    return evidence.game != nullptr ? *evidence.game : viceCity;
}

} // namespace bitloom::handling
