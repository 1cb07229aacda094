#include "Rules.h"

#include "handling/MessageText.h"

#include <fmt/format.h>

namespace bitloom::handling::rules {

namespace {

// What a short standard line leaves in each flags column.
std::string flagsRead(const ReadLine &line, const GameProfile &game)
{
    std::string text;
    for (std::size_t i = 0; i < game.flagsFields.size() && line.fields.kind == LineKind::Standard;
         ++i) {
        const std::string_view read = line.fields.flagsTexts[i];
        const std::string_view column = game.flagsFields[i].column;
        if (read.empty())
            text += fmt::format(" ; le jeu ne lit rien dans la colonne \"{}\"", column);
        else
            text += fmt::format(" ; le jeu lit {} dans la colonne \"{}\"", quoted(read), column);
    }
    return text;
}

} // namespace

void checkFieldCounts(const HandlingFile &file, const GameProfile &game,
                      std::vector<Problem> &problems)
{
    for (const ReadLine &line : file.lines) {
        if (!isVehicleLine(line.fields.kind) && line.fields.kind != LineKind::AnimationGroup)
            continue;
        const std::size_t count = line.fields.fieldCount;
        const auto needed = static_cast<std::size_t>(game.fieldsOf(line.fields.kind));
        const std::string fields = counted(count, "champ", "champs");
        const std::string entry = entryLabel(line.fields.kind);
        if (count < needed) {
            problems.push_back(lineProblem(
                line, Level::Error,
                fmt::format("{}, il en faut {} pour une {} de {} : les colonnes qui suivent le "
                            "manque sont décalées{}",
                            fields, needed, entry, game.title, flagsRead(line, game))));
        } else if (count > needed) {
            problems.push_back(lineProblem(
                line, Level::Warning,
                fmt::format("{}, une {} de {} en a {} : le jeu ignore les derniers ; si un champ a "
                            "été ajouté plus tôt, les colonnes sont décalées",
                            fields, entry, game.title, needed)));
        }
    }
}

} // namespace bitloom::handling::rules
