#include "ValueInput.h"

#include "flags/FlagsValue.h"
#include "flags/FlagsValueReader.h"
#include "handling/GameProfile.h"
#include "handling/HandlingLine.h"
#include "handling/MessageText.h"

#include <algorithm>

namespace bitloom::core {

namespace {

constexpr std::string_view blanks = " \t\r\n";

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool isControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F;
}

// A text as a message shows it: in quotes, cut short when long. Control
// characters never come this far.
std::string quoted(std::string_view text)
{
    return handling::quoted(text, handling::Escaping::None);
}

ValueInput refuse(std::string message)
{
    return {ValueDecision::Refuse, 0, std::move(message)};
}

// The flags text itself, named in messages by its subject ("La valeur
// "12G4"").
ValueInput readFlagsText(std::string_view flagsText, const std::string &subject)
{
    const flags::ValueReading reading = flags::readFlagsValue(flagsText);
    switch (reading.problem) {
    case flags::ValueProblem::None:
        return {ValueDecision::Apply, reading.value, {}};
    case flags::ValueProblem::Empty:
        return refuse("Il n'y a pas de valeur : le texte est vide.");
    case flags::ValueProblem::AboveFlags:
    case flags::ValueProblem::Above32Bits:
        return refuse(subject
                      + " a des bits au-delà des 28 flags : la plus grande valeur est FFFFFFF.");
    case flags::ValueProblem::NoDigits:
    case flags::ValueProblem::NotHex:
        break;
    }
    if (!reading.gameValue)
        return refuse(subject + " n'est pas une valeur hexadécimale.");
    const std::uint32_t game = *reading.gameValue;
    if ((game & ~flags::allFlagsMask) != 0)
        return refuse(subject + " n'est pas une valeur hexadécimale, et le jeu y lirait "
                      + flags::hexText(game) + ", qui a des bits au-delà des 28 flags.");
    const char stop = reading.badOffset < flagsText.size() ? flagsText[reading.badOffset] : '\0';
    const std::string where = stop != '\0' && static_cast<unsigned char>(stop) < 0x80
                                  ? " : le jeu s'arrête au caractère '" + std::string(1, stop) + "'"
                                  : " : le jeu s'arrête avant la fin";
    const std::string read = flags::valueText(game);
    return {ValueDecision::Confirm, game,
            subject + " n'est pas une valeur hexadécimale" + where + " et lit la valeur " + read
                + ".\n\nUtiliser la valeur " + read + " ?"};
}

} // namespace

ValueInput readValueInput(std::string_view text)
{
    if (text.size() > longestValueInput)
        return refuse("Ce texte est trop long pour être une valeur ou une ligne du fichier "
                      "handling : "
                      + std::to_string(text.size()) + " octets.");
    if (std::any_of(text.begin(), text.end(), isControl))
        return refuse("Ce texte contient des caractères de contrôle : ce n'est ni une valeur ni "
                      "une ligne du fichier handling.");
    const std::string_view value = trimmed(text);
    if (value.empty())
        return refuse("Il n'y a pas de valeur : le texte est vide.");
    if (value.find_first_of("\r\n") != std::string_view::npos)
        return refuse("Ce texte a plusieurs lignes : donnez une seule valeur, ou une seule ligne "
                      "de véhicule du fichier handling.");
    if (value.find_first_of(" \t") == std::string_view::npos)
        return readFlagsText(value, "La valeur " + quoted(value));

    // Several fields: a line of the handling file, read as the game splits it.
    const handling::GameProfile &game = handling::viceCity;
    const handling::HandlingLine line = handling::readHandlingLine(value, game);
    if (line.kind != handling::LineKind::Standard)
        return refuse("Cette ligne du fichier handling n'est pas la ligne standard d'un véhicule : "
                      "elle n'a pas de colonne \"ae\".");
    const auto fields = static_cast<std::size_t>(game.fieldsOf(handling::LineKind::Standard));
    if (line.fieldCount < static_cast<std::size_t>(game.flags().field))
        return refuse("Ce texte a " + std::to_string(line.fieldCount)
                      + " champs : ce n'est ni une seule valeur, ni une ligne de véhicule du "
                        "fichier handling, dont la colonne \"ae\" est le "
                      + std::to_string(game.flags().field) + "e champ.");
    // Fields missing before the flags shift them: what stands in column
    // "ae" is then another column's value.
    if (line.fieldCount != fields)
        return refuse("La ligne de " + quoted(line.identifier) + " a "
                      + std::to_string(line.fieldCount) + " champs, une ligne de véhicule en a "
                      + std::to_string(fields)
                      + " : ses colonnes sont décalées, et sa colonne \"ae\" ne se lit pas "
                        "sûrement.");
    return readFlagsText(line.flagsText(), "La colonne \"ae\" de " + quoted(line.identifier) + ", "
                                             + quoted(line.flagsText()) + ",");
}

} // namespace bitloom::core
