#include "TextReport.h"

#include "flags/FlagsValue.h"
#include "handling/FlagFacts.h"
#include "handling/FlagWords.h"
#include "handling/MessageText.h"
#include "handling/ProblemText.h"
#include "text/TextTable.h"

#include <fmt/format.h>
#include <string>

namespace bitloom::cli {

namespace {

using handling::FlagsField;
using handling::LineKind;
using text::TextTable;

constexpr std::string_view extraBitsLabel = "bits hors flags : ";
// The mark of a table row whose line has a problem, by level.
constexpr std::string_view errorMark = "E";
constexpr std::string_view warningMark = "A";
constexpr std::string_view nothingRead = "?";

void writeFlagTable(std::ostream &out, const FlagsField &field, std::uint32_t value)
{
    if (value == 0) {
        out << "  aucun flag\n";
        return;
    }
    TextTable table("  ");
    for (const handling::FlagFacts &flag : handling::flagsOf(field, value))
        table.addRow(
            {flag.digitCaption, flag.mask, std::string(flag.name), std::string(flag.description)});
    table.write(out);
}

std::string joined(const std::vector<std::string_view> &names, std::string_view none = {})
{
    return names.empty() ? std::string(none) : fmt::format("{}", fmt::join(names, " "));
}

std::string markOf(std::optional<Level> level)
{
    return std::string(!level ? " " : *level == Level::Error ? errorMark : warningMark);
}

// The flags column: the game's flags in the values it reads, a field after
// the other, and the bits beyond them; or why there are none.
std::string flagsCell(const handling::ScannedVehicle &vehicle, const GameProfile &game)
{
    if (!vehicle.read)
        return fmt::format("non lu : après \"{}\"", handling::endMarker);
    if (vehicle.kind != LineKind::Standard)
        return handling::entryLabel(vehicle.kind);
    std::vector<std::string> cells;
    for (std::size_t i = 0; i < vehicle.fields.size(); ++i) {
        const handling::FieldReading &field = vehicle.fields[i];
        if (!field.gameValue) {
            cells.emplace_back(nothingRead);
            continue;
        }
        std::string cell = joined(handling::flagNames(game.flagsFields[i], field.flags), "-");
        if (field.extraBits != 0)
            fmt::format_to(std::back_inserter(cell), " (+ {}{})", extraBitsLabel,
                           flags::hexText(field.extraBits));
        cells.push_back(std::move(cell));
    }
    return fmt::format("{}", fmt::join(cells, " ; "));
}

std::string counts(std::size_t errors, std::size_t warnings)
{
    return fmt::format("{} ({}) ; {} ({})", handling::counted(errors, "erreur", "erreurs"),
                       errorMark, handling::counted(warnings, "avertissement", "avertissements"),
                       warningMark);
}

// "lignes de véhicules : 9 (6 standard, 1 bateau, 1 moto, 1 vol)": the
// kinds other than standard lines only when the file has some.
std::string linesSummary(const ScanReport &report)
{
    std::size_t total = 0;
    std::string detail;
    for (std::size_t i = 0; i < report.linesPerKind.size(); ++i) {
        total += report.linesPerKind[i];
        if (i > 0 && report.linesPerKind[i] > 0)
            fmt::format_to(std::back_inserter(detail), ", {} {}", report.linesPerKind[i],
                           handling::vehicleLineKinds[i].name);
    }
    std::string text = fmt::format("lignes de véhicules : {}", total);
    if (!detail.empty())
        fmt::format_to(std::back_inserter(text), " ({} standard{})", report.linesPerKind[0],
                       detail);
    return text;
}

} // namespace

void TextReport::decoded(const ValueReport &report)
{
    for (std::size_t i = 0; i < report.values.size(); ++i) {
        const handling::DecodedValue &value = report.values[i];
        if (i > 0)
            out << '\n';
        out << value.input << '\n';
        writeFlagTable(out, report.game->flagsFields[value.field], value.value);
        out << "  valeur : " << flags::hexText(value.value) << '\n';
        if (value.extraBits != 0)
            out << "  " << extraBitsLabel << flags::hexText(value.extraBits) << '\n';
    }
}

// As set and decode take it back: "4002100", or "model:2808" where the
// game has several fields.
void TextReport::encoded(const ValueReport &report)
{
    for (const handling::DecodedValue &value : report.values) {
        if (report.game->flagsFields.size() > 1)
            out << report.game->flagsFields[value.field].key << ':';
        out << flags::hexText(value.value) << '\n';
    }
}

void TextReport::listed(const GameProfile &game)
{
    const bool several = game.flagsFields.size() > 1;
    for (const FlagsField &field : game.flagsFields) {
        if (several)
            out << (&field == &game.flagsFields.front() ? "" : "\n") << "Colonne \"" << field.column
                << "\" (" << field.key << ") :\n";
        TextTable table;
        table.addRow({"bit", "chiffre", "masque", "nom", several ? "description" : "aussi écrit"});
        for (const handling::FlagFacts &flag : handling::flagTable(field))
            table.addRow({std::to_string(flag.bit), std::to_string(flag.digit), flag.mask,
                          flag.name.empty() ? "-" : std::string(flag.name),
                          several ? std::string(flag.description) : joined(flag.aliases)});
        table.write(out);
    }
}

void TextReport::scanned(const ScanReport &report)
{
    if (!report.read)
        return; // the error output says why
    const GameProfile &game = *report.game;
    TextTable table;
    std::vector<std::string> heading{" ", "ligne", "identifiant"};
    for (const FlagsField &field : game.flagsFields) {
        heading.emplace_back(field.column);
        heading.emplace_back("lu");
    }
    heading.emplace_back("flags");
    table.addRow(heading);
    for (const handling::ScannedVehicle &vehicle : report.vehicles) {
        std::vector<std::string> row{markOf(vehicle.level), std::to_string(vehicle.line),
                                     vehicle.identifier};
        for (std::size_t i = 0; i < game.flagsFields.size(); ++i) {
            const handling::FieldReading *field
                = i < vehicle.fields.size() ? &vehicle.fields[i] : nullptr;
            row.push_back(field ? field->text : std::string());
            if (field && vehicle.read)
                row.push_back(field->gameValue ? flags::hexText(*field->gameValue)
                                               : std::string(nothingRead));
            else
                row.emplace_back();
        }
        row.push_back(flagsCell(vehicle, game));
        table.addRow(std::move(row));
    }
    table.write(out);
    out << '\n' << linesSummary(report) << " ; " << counts(report.errors, report.warnings) << '\n';
}

void TextReport::checked(const CheckReport &report)
{
    for (const handling::CheckedFile &file : report.files)
        out << handling::fileProblemsText(file.file, file.gameTold ? file.game : nullptr,
                                          file.problems);
    out << fmt::format(
        "{} : {}, {}\n",
        handling::counted(report.files.size(), "fichier vérifié", "fichiers vérifiés"),
        handling::counted(report.errors, "erreur", "erreurs"),
        handling::counted(report.warnings, "avertissement", "avertissements"));
}

void TextReport::set(const SetReport &report)
{
    const GameProfile &game = *report.game;
    const bool dryRun = report.outcome == handling::SetOutcome::DryRun;
    for (const handling::FlagsChange &change : report.changes) {
        for (const handling::FieldChange &changed : change.fields) {
            const FlagsField &field = game.flagsFields[changed.field];
            out << fmt::format("{}:{}: {} : {}{} {} {}", report.file, change.line,
                               handling::shown(change.identifier),
                               game.flagsFields.size() > 1 ? fmt::format("{} ", field.column) : "",
                               handling::shown(changed.oldText), dryRun ? "deviendrait" : "devient",
                               changed.newText);
            if (const auto words
                = handling::flagStepWords(field, changed.oldFlags, changed.newFlags);
                !words.empty())
                out << fmt::format(" : {}", fmt::join(words, " "));
            out << '\n';
        }
        if (dryRun)
            out << "  avant : " << change.oldLine << "\n  après : " << change.newLine << '\n';
    }
    const std::string lines = handling::counted(report.changes.size(), "ligne", "lignes");
    switch (report.outcome) {
    case handling::SetOutcome::Written:
        out << lines << (report.changes.size() > 1 ? " modifiées" : " modifiée");
        if (!report.backup.empty())
            out << " ; l'ancien fichier est gardé dans " << report.backup;
        out << '\n';
        break;
    case handling::SetOutcome::DryRun:
        out << lines << " à modifier ; rien n'est écrit (--dry-run)\n";
        break;
    case handling::SetOutcome::Unchanged:
        out << "rien à changer : les flags sont déjà ceux demandés, le fichier n'est pas écrit\n";
        break;
    case handling::SetOutcome::Refused:
        break;
    }
}

} // namespace bitloom::cli
