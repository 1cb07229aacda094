#include "HelpText.h"

#include "CommandTable.h"
#include "handling/GameProfile.h"
#include "handling/MessageText.h"
#include "text/AsciiCase.h"
#include "text/TextTable.h"
#include "text/WordWrap.h"

#include <algorithm>
#include <fmt/format.h>

namespace bitloom::cli {

namespace {

constexpr std::size_t width = 79;
// Where a command's or an option's description begins.
constexpr std::size_t descriptionColumn = 20;

// "  name ARGUMENTS  description", the description in its column, or on
// the next line when the name is too long.
void writeEntry(std::string &out, std::string_view name, std::string_view description)
{
    out.append("  ").append(name);
    std::size_t column = 2 + text::displayWidth(name);
    if (column + 2 > descriptionColumn) {
        out += '\n';
        column = 0;
    }
    text::appendWrapped(out, description, width, descriptionColumn, column);
}

bool concerns(Commands commands, Command topic)
{
    return topic == Command::Help || (commands & only(topic)) != 0;
}

std::string sectionText(const HelpSection &section)
{
    return fmt::format(
        fmt::runtime(section.text), fmt::arg("vc", handling::fieldCountsText(handling::viceCity)),
        fmt::arg("gta3", handling::fieldCountsText(handling::gta3)),
        fmt::arg("sa", handling::fieldCountsText(handling::sanAndreas)),
        fmt::arg("line", handling::maxLineLength), fmt::arg("file", handling::maxGameFileBytes));
}

} // namespace

std::string helpText(Command topic)
{
    std::string out;
    const CommandEntry *command = topic == Command::Help ? nullptr : findCommand(topic);
    if (command == nullptr) {
        out += "Utilisation : bitloom-flags [OPTIONS] COMMANDE ARGUMENTS...\n\n";
        text::appendWrapped(
            out,
            "Lit et écrit la valeur des flags spéciaux de handling (la colonne \"ae\" du "
            "fichier \"\\data\\handling.cfg\" de GTA: Vice-City, et celles de GTA3 et de "
            "San Andreas), et cherche dans ce fichier les fautes qui font planter le jeu ou lui "
            "font mal lire une ligne. "
            "\"bitloom-flags help COMMANDE\" ou \"bitloom-flags COMMANDE --help\" donne "
            "l'aide d'une commande.",
            width, 0);
        out += "\nCommandes :\n";
        for (const CommandEntry &each : commandTable())
            writeEntry(out, fmt::format("{} {}", each.name, each.operands), each.summary);
    } else {
        out += fmt::format("Utilisation : bitloom-flags [OPTIONS] {} {}\n\n", command->name,
                           command->operands);
        // The list's line, as a sentence.
        std::string sentence = fmt::format("{}.", command->summary);
        sentence.front() = text::upperAscii(sentence.front());
        text::appendWrapped(out, sentence, width, 0);
        if (!command->details.empty()) {
            out += '\n';
            text::appendWrapped(out, command->details, width, 0);
        }
    }

    out += "\nOptions :\n";
    for (const OptionEntry &option : optionTable()) {
        if (concerns(option.commands, topic))
            writeEntry(out,
                       fmt::format("{}{}{}", option.name, option.argument.empty() ? "" : " ",
                                   option.argument),
                       option.summary);
    }
    writeEntry(out, "-h, --help", "affiche cette aide");
    if (command == nullptr) {
        writeEntry(out, "--version", "affiche la version");
        out += '\n';
        text::appendWrapped(
            out,
            "Les options commencent par \"--\" (sauf -h) et se placent avant ou après "
            "la commande ; \"--\" les termine. Un FICHIER \"-\" est l'entrée standard.",
            width, 0);
    }
    for (const HelpSection &section : helpSections()) {
        if (!concerns(section.commands, topic))
            continue;
        out += fmt::format("\n{} :\n", section.title);
        text::appendWrapped(out, sectionText(section), width, 2);
    }
    return out;
}

} // namespace bitloom::cli
