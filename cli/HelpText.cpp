#include "HelpText.h"

#include "CommandTable.h"
#include "TextTable.h"
#include "handling/GameProfile.h"
#include "text/AsciiCase.h"

#include <algorithm>
#include <fmt/format.h>

namespace bitloom::cli {

namespace {

using handling::GameProfile;

constexpr std::size_t width = 79;
// Where a command's or an option's description begins.
constexpr std::size_t descriptionColumn = 20;

// "standard 33, bateau 16, moto 17, vol 20", from the game's table.
std::string fieldCountsText(const GameProfile &game)
{
    std::string text;
    bool sections = false;
    for (const handling::VehicleLineKind &kind : handling::vehicleLineKinds) {
        if (!game.hasLines(kind.kind))
            continue;
        sections = sections || kind.kind != handling::LineKind::Standard;
        fmt::format_to(std::back_inserter(text), "{}{} {}", text.empty() ? "" : ", ", kind.name,
                       game.fieldsOf(kind.kind));
    }
    return sections ? text : text + " (pas d'entrées bateau, moto ni vol)";
}

// Appends the text's words in lines no wider than width, each line after
// indent spaces; column is where the first line already stands. A line of the
// text that starts with two spaces is kept as it is, spaces included.
void writeWrapped(std::string &out, std::string_view text, std::size_t indent,
                  std::size_t column = 0)
{
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view paragraph = text.substr(start, end - start);
        start = end + 1;
        if (paragraph.starts_with("  ")) {
            out.append(paragraph).append("\n");
            column = 0;
            continue;
        }
        out.append(indent > column ? indent - column : 0, ' ');
        column = std::max(column, indent);
        bool lineEmpty = true;
        std::size_t word = paragraph.find_first_not_of(' ');
        while (word != std::string_view::npos) {
            const std::size_t wordEnd = std::min(paragraph.find(' ', word), paragraph.size());
            const std::string_view next = paragraph.substr(word, wordEnd - word);
            if (!lineEmpty && column + 1 + displayWidth(next) > width) {
                out.append("\n").append(indent, ' ');
                column = indent;
                lineEmpty = true;
            }
            if (!lineEmpty) {
                out += ' ';
                ++column;
            }
            out += next;
            column += displayWidth(next);
            lineEmpty = false;
            word = paragraph.find_first_not_of(' ', wordEnd);
        }
        out += '\n';
        column = 0;
    }
}

// "  name ARGUMENTS  description", the description in its column, or on
// the next line when the name is too long.
void writeEntry(std::string &out, std::string_view name, std::string_view description)
{
    out.append("  ").append(name);
    std::size_t column = 2 + displayWidth(name);
    if (column + 2 > descriptionColumn) {
        out += '\n';
        column = 0;
    }
    writeWrapped(out, description, descriptionColumn, column);
}

bool concerns(Commands commands, Command topic)
{
    return topic == Command::Help || (commands & only(topic)) != 0;
}

std::string sectionText(const HelpSection &section)
{
    return fmt::format(
        fmt::runtime(section.text), fmt::arg("vc", fieldCountsText(handling::viceCity)),
        fmt::arg("gta3", fieldCountsText(handling::gta3)),
        fmt::arg("line", handling::maxLineLength), fmt::arg("file", handling::maxGameFileBytes));
}

} // namespace

std::string helpText(Command topic)
{
    std::string out;
    const CommandSpec *command = topic == Command::Help ? nullptr : findCommand(topic);
    if (command == nullptr) {
        out += "Utilisation : bitloom-flags [OPTIONS] COMMANDE ARGUMENTS...\n\n";
        writeWrapped(out,
                     "Lit et écrit la valeur des flags spéciaux de handling (la colonne \"ae\" du "
                     "fichier \"\\data\\handling.cfg\" de GTA: Vice-City), et cherche dans ce "
                     "fichier les fautes qui font planter le jeu ou lui font mal lire une ligne. "
                     "\"bitloom-flags help COMMANDE\" ou \"bitloom-flags COMMANDE --help\" donne "
                     "l'aide d'une commande.",
                     0);
        out += "\nCommandes :\n";
        for (const CommandSpec &each : commandTable())
            writeEntry(out, fmt::format("{} {}", each.name, each.operands), each.summary);
    } else {
        out += fmt::format("Utilisation : bitloom-flags [OPTIONS] {} {}\n\n", command->name,
                           command->operands);
        // The list's line, as a sentence.
        std::string sentence = fmt::format("{}.", command->summary);
        sentence.front() = text::upperAscii(sentence.front());
        writeWrapped(out, sentence, 0);
        if (!command->details.empty()) {
            out += '\n';
            writeWrapped(out, command->details, 0);
        }
    }

    out += "\nOptions :\n";
    for (const OptionSpec &option : optionTable()) {
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
        writeWrapped(out,
                     "Les options commencent par \"--\" (sauf -h) et se placent avant ou après "
                     "la commande ; \"--\" les termine. Un FICHIER \"-\" est l'entrée standard.",
                     0);
    }
    for (const HelpSection &section : helpSections()) {
        if (!concerns(section.commands, topic))
            continue;
        out += fmt::format("\n{} :\n", section.title);
        writeWrapped(out, sectionText(section), 2);
    }
    return out;
}

} // namespace bitloom::cli
