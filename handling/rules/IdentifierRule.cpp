#include "Rules.h"

#include "handling/MessageText.h"

#include <algorithm>
#include <fmt/format.h>

namespace bitloom::handling::rules {

namespace {

// Why a line whose first field is a marker is a standard line to the game.
std::string misplacedMarker(const ReadLine &line, const GameProfile &game)
{
    const char first = line.fields.identifier.front();
    const bool inFirstColumn = line.text.front() == first;
    if (first == commentMarker)
        return fmt::format(" ; \"{}\" n'ouvre un commentaire qu'en première colonne",
                           commentMarker);
    for (const VehicleLineKind &kind : vehicleLineKinds) {
        if (kind.marker == '\0' || kind.marker != first)
            continue;
        if (!game.hasLines(kind.kind))
            return fmt::format(" ; {} n'a pas d'entrées {} ({})", game.title, kind.name,
                               kind.marker);
        if (!inFirstColumn)
            return fmt::format(" ; \"{}\" n'ouvre une {} qu'en première colonne", kind.marker,
                               entryLabel(kind.kind));
    }
    return {};
}

std::string unknownIdentifier(const ReadLine &line, const GameProfile &game)
{
    const std::string_view identifier = line.fields.identifier;
    if (identifier.empty()) {
        return fmt::format("{} sans identifiant : le jeu écrit hors de sa table et peut planter",
                           entryLabel(line.fields.kind));
    }
    std::string text = fmt::format("identifiant {} inconnu de {} : le jeu écrit hors de sa table "
                                   "et peut planter",
                                   quoted(identifier), game.title);
    if (line.fields.kind == LineKind::Standard) {
        text += misplacedMarker(line, game);
    } else if (line.text.find_first_of(fieldSeparators) != 1) {
        const char marker = vehicleLineKind(line.fields.kind).marker;
        text += fmt::format(" ; \"{}\" doit être suivi d'un espace", marker);
    }
    return text + identifierSuggestion(identifier, game);
}

} // namespace

void checkIdentifiers(const HandlingFile &file, const GameProfile &game,
                      std::vector<Problem> &problems)
{
    for (const ReadLine &line : file.lines) {
        if (!isVehicleLine(line.fields.kind))
            continue;
        const auto &known = game.identifiers;
        if (std::find(known.begin(), known.end(), line.fields.identifier) != known.end())
            continue;
        problems.push_back(lineProblem(line, Level::Error, unknownIdentifier(line, game)));
    }
}

} // namespace bitloom::handling::rules
