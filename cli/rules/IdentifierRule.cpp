#include "Rules.h"

#include "cli/Messages.h"
#include "cli/NearestNames.h"

#include <algorithm>

namespace bitloom::cli::rules {

using messages::cat;

namespace {

std::string_view markerText(const char &marker)
{
    return {&marker, 1};
}

// Why a line whose first field is a marker is a standard line to the game.
std::string misplacedMarker(const ReadLine &line, const GameProfile &game)
{
    const char first = line.fields.identifier.front();
    const bool inFirstColumn = line.text.front() == first;
    if (first == commentMarker)
        return cat({" ; \"", markerText(commentMarker),
                    "\" n'ouvre un commentaire qu'en première colonne"});
    for (const VehicleLineKind &kind : vehicleLineKinds) {
        if (kind.marker == '\0' || kind.marker != first)
            continue;
        if (!game.hasLines(kind.kind))
            return cat({" ; ", game.title, " n'a pas d'entrées ", kind.name, " (",
                        markerText(kind.marker), ")"});
        if (!inFirstColumn)
            return cat({" ; \"", markerText(kind.marker), "\" n'ouvre une ",
                        messages::entryLabel(kind.kind), " qu'en première colonne"});
    }
    return {};
}

std::string unknownIdentifier(const ReadLine &line, const GameProfile &game)
{
    const std::string_view identifier = line.fields.identifier;
    if (identifier.empty()) {
        return cat({messages::entryLabel(line.fields.kind),
                    " sans identifiant : le jeu écrit hors de sa table et peut planter"});
    }
    std::string text = cat({"identifiant ", messages::quoted(identifier), " inconnu de ",
                            game.title, " : le jeu écrit hors de sa table et peut planter"});
    if (line.fields.kind == LineKind::Standard) {
        text += misplacedMarker(line, game);
    } else if (line.text.find_first_of(fieldSeparators) != 1) {
        const char marker = vehicleLineKind(line.fields.kind).marker;
        text += cat({" ; \"", markerText(marker), "\" doit être suivi d'un espace"});
    }
    return cat({text, messages::suggestion(nearestNames(identifier, game.identifiers))});
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

} // namespace bitloom::cli::rules
