#include "Rules.h"

#include "text/AsciiCase.h"

#include <fmt/format.h>

namespace bitloom::handling::rules {

namespace {

// ";the end" in another case, with other spacing or followed by more text:
// the person meant the end, and the game reads a comment.
bool looksLikeEnd(std::string_view text)
{
    constexpr std::string_view squeezed = ";theend";
    std::size_t matched = 0;
    for (char c : text) {
        if (matched == squeezed.size())
            break;
        if (fieldSeparators.find(c) != std::string_view::npos)
            continue;
        if (text::lowerAscii(c) != squeezed[matched])
            return false;
        ++matched;
    }
    return matched == squeezed.size();
}

} // namespace

void checkEndMarker(const HandlingFile &file, const GameProfile &game,
                    std::vector<Problem> &problems)
{
    if (!game.stopsAtEndMarker)
        return; // the game reads to the end of the file, with or without the marker
    for (const ReadLine &line : file.lines) {
        if (line.fields.kind == LineKind::Comment && looksLikeEnd(line.text)) {
            problems.push_back(lineProblem(
                line, Level::Warning,
                fmt::format("le jeu ne reconnaît \"{}\" que seul sur sa ligne et en minuscules : "
                            "il lit ici un commentaire et continue",
                            endMarker)));
        }
    }
    if (file.nul)
        return; // reading stopped before the end could be looked for
    if (!file.ended) {
        problems.push_back({.message = fmt::format("pas de ligne \"{}\" : le jeu ne saurait pas "
                                                   "où s'arrêtent les données",
                                                   endMarker),
                            .line = file.lines.empty() ? 1 : file.lines.back().number});
    } else if (!file.endHasLineBreak) {
        problems.push_back(lineProblem(file.lines.back(), Level::Error,
                                       fmt::format("pas de saut de ligne après \"{}\" : le jeu "
                                                   "lit au-delà de la fin du fichier",
                                                   endMarker)));
    }
}

} // namespace bitloom::handling::rules
