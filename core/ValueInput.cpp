#include "ValueInput.h"

#include "flags/FlagsValue.h"
#include "flags/FlagsValueReader.h"
#include "handling/FileChecker.h"
#include "handling/GameProfile.h"
#include "handling/HandlingLine.h"
#include "handling/MessageText.h"
#include "handling/ProblemText.h"
#include "handling/ValueProblemText.h"
#include "text/AsciiCase.h"

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

// What is wrong with a value, in the words bitloom-flags uses, as a sentence
// after what it is the value of ("Colonne "ae" de LANDSTAL : ").
std::string sentence(std::string_view of, std::string_view flagsText,
                     const flags::ValueReading &reading)
{
    std::string text = std::string(of)
                       + handling::valueProblemText(flagsText, reading, handling::viceCity) + '.';
    text.front() = text::upperAscii(text.front());
    return text;
}

constexpr std::string_view onlyFlags
    = " La fenêtre n'a que les 28 flags : la plus grande valeur est FFFFFFF.";

ValueInput readFlagsText(std::string_view flagsText, std::string_view of = {})
{
    const flags::ValueReading reading = flags::readFlagsValue(flagsText);
    switch (reading.problem) {
    case flags::ValueProblem::None:
        return {ValueDecision::Apply, reading.value, {}};
    case flags::ValueProblem::Empty:
        return refuse("Il n'y a pas de valeur : le texte est vide.");
    case flags::ValueProblem::AboveFlags:
    case flags::ValueProblem::Above32Bits:
        return refuse(sentence(of, flagsText, reading) + std::string(onlyFlags));
    case flags::ValueProblem::NoDigits:
    case flags::ValueProblem::NotHex:
        break;
    }
    if (!reading.gameValue)
        return refuse(sentence(of, flagsText, reading));
    const std::uint32_t game = *reading.gameValue;
    if ((game & ~flags::allFlagsMask) != 0)
        return refuse(sentence(of, flagsText, reading) + std::string(onlyFlags));
    return {ValueDecision::Confirm, game,
            sentence(of, flagsText, reading) + "\n\nUtiliser la valeur " + flags::valueText(game)
                + " ?"};
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
        return readFlagsText(value);

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
    ValueInput input = readFlagsText(
        line.flagsText(), "Colonne \"ae\" de " + handling::shown(line.identifier) + " : ");
    if (input.decision == ValueDecision::Refuse)
        return input;
    input.line = {std::string(text), std::string(line.identifier), {}};
    // The flags field is the window's to rewrite; any other fault of the
    // line the game would read otherwise.
    for (const handling::Problem &problem : handling::checkLine(value, game)) {
        if (problem.level == handling::Level::Error && problem.rule != handling::rules::flags) {
            input.line.problem = handling::problemText(problem);
            break;
        }
    }
    return input;
}

} // namespace bitloom::core
