#include "TextReport.h"

#include "ProblemText.h"
#include "flags/FlagsValue.h"
#include "handling/FlagFacts.h"
#include "handling/MessageText.h"
#include "text/TextTable.h"

#include <fmt/format.h>
#include <string>

namespace bitloom::cli {

namespace {

using handling::LineKind;
using text::TextTable;

constexpr std::string_view extraBitsLabel = "bits hors flags : ";
// The mark of a table row whose line has a problem, by level.
constexpr std::string_view errorMark = "E";
constexpr std::string_view warningMark = "A";
constexpr std::string_view nothingRead = "?";

void writeFlagTable(std::ostream &out, std::uint32_t value)
{
    if (value == 0) {
        out << "  aucun flag\n";
        return;
    }
    TextTable table("  ");
    for (const handling::FlagFacts &flag : handling::flagsOf(value))
        table.addRow({std::string(flag.digitCaption), flag.mask, std::string(flag.name),
                      std::string(flag.description)});
    table.write(out);
}

std::string joined(const std::vector<std::string_view> &names, std::string_view none = {})
{
    return names.empty() ? std::string(none) : fmt::format("{}", fmt::join(names, " "));
}

std::string markOf(std::optional<Level> level)
{
    if (!level)
        return " ";
    return std::string(*level == Level::Error ? errorMark : warningMark);
}

// The flags column: the game's flags in the value it reads, and the bits
// beyond them; or why there are none.
std::string flagsCell(const handling::ScannedVehicle &vehicle)
{
    if (!vehicle.read)
        return fmt::format("non lu : après \"{}\"", handling::endMarker);
    if (vehicle.kind != LineKind::Standard)
        return handling::entryLabel(vehicle.kind);
    if (!vehicle.gameValue)
        return std::string(nothingRead);
    std::string cell = joined(handling::flagNames(vehicle.flags), "-");
    if (vehicle.extraBits != 0)
        fmt::format_to(std::back_inserter(cell), " (+ {}{})", extraBitsLabel,
                       flags::hexText(vehicle.extraBits));
    return cell;
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

// "+GOOD_IN_SAND -IS_VAN": the flags a change adds and removes, as set
// takes them.
std::string flagSteps(std::uint32_t before, std::uint32_t after)
{
    std::vector<std::string> steps;
    for (int bit : flags::setBits(before ^ after))
        steps.push_back(fmt::format("{}{}", (after & flags::maskOf(bit)) != 0 ? '+' : '-',
                                    flags::flagAt(bit).name));
    return fmt::format("{}", fmt::join(steps, " "));
}

} // namespace

void TextReport::decoded(const ValueReport &report)
{
    for (std::size_t i = 0; i < report.values.size(); ++i) {
        const handling::DecodedValue &value = report.values[i];
        if (i > 0)
            out << '\n';
        out << value.input << '\n';
        writeFlagTable(out, value.value);
        out << "  valeur : " << flags::valueText(value.value) << '\n';
        if (value.extraBits != 0)
            out << "  " << extraBitsLabel << flags::hexText(value.extraBits) << '\n';
    }
}

void TextReport::encoded(const ValueReport &report)
{
    if (report.value)
        out << flags::valueText(*report.value) << '\n';
}

void TextReport::listed(const GameProfile &game)
{
    TextTable table;
    table.addRow({"bit", "chiffre", "masque", "nom", "aussi écrit"});
    for (const handling::FlagFacts &flag : handling::flagTable(game))
        table.addRow({std::to_string(flag.bit), std::to_string(flag.digit), flag.mask,
                      std::string(flag.name), joined(flag.aliases)});
    table.write(out);
}

void TextReport::scanned(const ScanReport &report)
{
    if (!report.read)
        return; // the error output says why
    TextTable table;
    table.addRow({" ", "ligne", "identifiant", std::string(report.game->column), "lu", "flags"});
    for (const handling::ScannedVehicle &vehicle : report.vehicles) {
        std::string read;
        if (vehicle.kind == LineKind::Standard && vehicle.read)
            read = vehicle.gameValue ? flags::hexText(*vehicle.gameValue) : nothingRead;
        table.addRow({markOf(vehicle.level), std::to_string(vehicle.line), vehicle.identifier,
                      vehicle.flagsText, read, flagsCell(vehicle)});
    }
    table.write(out);
    out << '\n' << linesSummary(report) << " ; " << counts(report.errors, report.warnings) << '\n';
}

void TextReport::checked(const CheckReport &report)
{
    for (const handling::CheckedFile &file : report.files) {
        for (const Problem &problem : file.problems)
            out << fileProblemText(file.file, problem) << '\n';
    }
    out << fmt::format(
        "{} : {}, {}\n",
        handling::counted(report.files.size(), "fichier vérifié", "fichiers vérifiés"),
        handling::counted(report.errors, "erreur", "erreurs"),
        handling::counted(report.warnings, "avertissement", "avertissements"));
}

void TextReport::set(const SetReport &report)
{
    const bool dryRun = report.outcome == handling::SetOutcome::DryRun;
    for (const handling::FlagsChange &change : report.changes) {
        out << fmt::format("{}:{}: {} : {} {} {}", report.file, change.line,
                           handling::shown(change.identifier), handling::shown(change.oldText),
                           dryRun ? "deviendrait" : "devient", change.newText);
        if (const std::string steps = flagSteps(change.oldFlags, change.newFlags); !steps.empty())
            out << " : " << steps;
        out << '\n';
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
