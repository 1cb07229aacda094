#include "TextReport.h"

#include "ProblemText.h"
#include "TextTable.h"
#include "flags/FlagAliases.h"
#include "flags/FlagsValue.h"
#include "handling/MessageText.h"

#include <array>
#include <fmt/format.h>
#include <string>

namespace bitloom::cli {

namespace {

using handling::LineKind;

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
    for (int bit : flags::setBits(value)) {
        table.addRow({std::string(flags::digitCaption(flags::digitOf(bit))),
                      flags::valueText(flags::maskOf(bit)), std::string(flags::flagAt(bit).name),
                      std::string(flags::flagAt(bit).description)});
    }
    table.write(out);
}

std::string flagNames(std::uint32_t value)
{
    std::vector<std::string_view> names;
    for (int bit : flags::setBits(value))
        names.push_back(flags::flagAt(bit).name);
    return names.empty() ? "-" : fmt::format("{}", fmt::join(names, " "));
}

std::string aliasesOf(int bit)
{
    std::vector<std::string_view> aliases;
    for (const flags::FlagAlias &alias : flags::flagAliases) {
        if (flags::bitNamed(alias.name) == bit)
            aliases.push_back(alias.alias);
    }
    return fmt::format("{}", fmt::join(aliases, " "));
}

std::string markOf(std::optional<Level> level)
{
    if (!level)
        return " ";
    return std::string(*level == Level::Error ? errorMark : warningMark);
}

// The flags column: the game's flags in the value it reads, and the bits
// beyond them.
std::string flagsCell(const ScannedVehicle &vehicle, const GameProfile &game)
{
    if (vehicle.kind != LineKind::Standard)
        return handling::entryLabel(vehicle.kind);
    if (!vehicle.gameValue)
        return std::string(nothingRead);
    std::string cell = flagNames(*vehicle.gameValue & game.allowedBits());
    if (const std::uint32_t extra = *vehicle.gameValue & ~game.allowedBits(); extra != 0)
        fmt::format_to(std::back_inserter(cell), " (+ {}{})", extraBitsLabel,
                       flags::hexText(extra));
    return cell;
}

std::string errorCount(std::size_t errors)
{
    return handling::counted(errors, "erreur", "erreurs");
}

std::string warningCount(std::size_t warnings)
{
    return handling::counted(warnings, "avertissement", "avertissements");
}

// "lignes de véhicules : 9 (6 standard, 1 bateau, 1 moto, 1 vol) ; 0 erreur
// (E) ; 0 avertissement (A)": the kinds other than standard lines only when
// the file has some.
std::string scanSummary(std::span<const std::size_t> linesPerKind, std::size_t errors,
                        std::size_t warnings)
{
    std::size_t total = 0;
    std::string detail;
    for (std::size_t i = 0; i < linesPerKind.size(); ++i) {
        total += linesPerKind[i];
        if (i > 0 && linesPerKind[i] > 0)
            fmt::format_to(std::back_inserter(detail), ", {} {}", linesPerKind[i],
                           handling::vehicleLineKinds[i].name);
    }
    std::string text = fmt::format("lignes de véhicules : {}", total);
    if (!detail.empty())
        fmt::format_to(std::back_inserter(text), " ({} standard{})", linesPerKind[0], detail);
    return fmt::format("{} ; {} ({}) ; {} ({})", text, errorCount(errors), errorMark,
                       warningCount(warnings), warningMark);
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

void TextReport::decoded(const std::vector<DecodedValue> &values, const std::vector<Problem> &,
                         const GameProfile &)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            out << '\n';
        out << values[i].input << '\n';
        writeFlagTable(out, values[i].value);
        out << "  valeur : " << flags::valueText(values[i].value) << '\n';
        if (values[i].extraBits != 0)
            out << "  " << extraBitsLabel << flags::hexText(values[i].extraBits) << '\n';
    }
}

void TextReport::encoded(std::optional<std::uint32_t> value, const std::vector<Problem> &,
                         const GameProfile &)
{
    if (value)
        out << flags::valueText(*value) << '\n';
}

void TextReport::listed(const GameProfile &game)
{
    TextTable table;
    table.addRow({"bit", "chiffre", "masque", "nom", "aussi écrit"});
    for (int bit = 0; bit < game.flagCount; ++bit) {
        table.addRow({std::to_string(bit), std::to_string(flags::digitOf(bit)),
                      flags::valueText(flags::maskOf(bit)), std::string(flags::flagAt(bit).name),
                      aliasesOf(bit)});
    }
    table.write(out);
}

void TextReport::scanned(std::string_view, const ScanResult &result,
                         std::span<const std::string_view>, const GameProfile &game)
{
    TextTable table;
    table.addRow({" ", "ligne", "identifiant", std::string(game.column), "lu", "flags"});
    std::array<std::size_t, handling::vehicleLineKinds.size()> linesPerKind{};
    for (const ScannedVehicle &vehicle : result.vehicles) {
        ++linesPerKind[handling::vehicleKindIndex(vehicle.kind)];
        const bool standard = vehicle.kind == LineKind::Standard;
        std::string read;
        if (standard)
            read = vehicle.gameValue ? flags::hexText(*vehicle.gameValue) : nothingRead;
        table.addRow({markOf(handling::worstLevel(result.problems, vehicle.line)),
                      std::to_string(vehicle.line), std::string(vehicle.identifier),
                      std::string(vehicle.flagsText), read, flagsCell(vehicle, game)});
    }
    table.write(out);
    out << '\n'
        << scanSummary(linesPerKind, countOf(result.problems, Level::Error),
                       countOf(result.problems, Level::Warning))
        << '\n';
}

void TextReport::notScanned(std::string_view, const Problem &, const GameProfile &) {}

void TextReport::checked(std::string_view file, const std::vector<Problem> &problems,
                         const GameProfile &)
{
    for (const Problem &problem : problems)
        out << fileProblemText(file, problem) << '\n';
}

void TextReport::checkEnded(std::size_t files, std::size_t errors, std::size_t warnings,
                            const GameProfile &)
{
    out << fmt::format("{} : {}, {}\n",
                       handling::counted(files, "fichier vérifié", "fichiers vérifiés"),
                       errorCount(errors), warningCount(warnings));
}

void TextReport::set(std::string_view file, const std::vector<FlagsChange> &changes,
                     SetOutcome outcome, std::string_view backup, const std::vector<Problem> &,
                     const GameProfile &)
{
    const bool dryRun = outcome == SetOutcome::DryRun;
    for (const FlagsChange &change : changes) {
        out << fmt::format("{}:{}: {} : {} {} {}", file, change.line,
                           handling::shown(change.identifier), handling::shown(change.oldText),
                           dryRun ? "deviendrait" : "devient", change.newText);
        if (const std::string steps = flagSteps(change.oldFlags, change.newFlags); !steps.empty())
            out << " : " << steps;
        out << '\n';
        if (dryRun)
            out << "  avant : " << change.oldLine << "\n  après : " << change.newLine << '\n';
    }
    const std::string lines = handling::counted(changes.size(), "ligne", "lignes");
    switch (outcome) {
    case SetOutcome::Written:
        out << lines << (changes.size() > 1 ? " modifiées" : " modifiée");
        if (!backup.empty())
            out << " ; l'ancien fichier est gardé dans " << backup;
        out << '\n';
        break;
    case SetOutcome::DryRun:
        out << lines << " à modifier ; rien n'est écrit (--dry-run)\n";
        break;
    case SetOutcome::Unchanged:
        out << "rien à changer : les flags sont déjà ceux demandés, le fichier n'est pas écrit\n";
        break;
    case SetOutcome::Refused:
        break;
    }
}

} // namespace bitloom::cli
