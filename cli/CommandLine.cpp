#include "CommandLine.h"

#include "handling/MessageText.h"

#include <algorithm>
#include <array>
#include <fmt/format.h>
#include <limits>
#include <optional>
#include <utility>

namespace bitloom::cli {

namespace {

constexpr std::size_t unlimited = std::numeric_limits<std::size_t>::max();

struct CommandSyntax {
    std::string_view name;
    Command command;
    std::size_t minOperands;
    std::size_t maxOperands;
    // Operands that name a file, from the first; the others are values,
    // names or identifiers.
    std::size_t fileOperands;
};

constexpr std::array<CommandSyntax, 6> commands{{
    {"decode", Command::Decode, 1, unlimited, 0},
    {"encode", Command::Encode, 1, unlimited, 0},
    {"list", Command::List, 0, 0, 0},
    {"scan", Command::Scan, 1, unlimited, 1},
    {"check", Command::Check, 1, unlimited, unlimited},
    {"set", Command::Set, 3, unlimited, 1},
}};

const CommandSyntax *commandNamed(std::string_view name)
{
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const CommandSyntax &c) { return c.name == name; });
    return found == commands.end() ? nullptr : &*found;
}

// Asking for help or the version is answered even on a wrong command line.
std::optional<Command> informationAsked(std::span<const std::string_view> arguments)
{
    for (std::string_view argument : arguments) {
        if (argument == "--")
            break;
        if (argument == "-h" || argument == "--help")
            return Command::Help;
        if (argument == "--version")
            return Command::Version;
    }
    return std::nullopt;
}

CommandLine usageError(std::string message)
{
    return {{}, std::move(message)};
}

CommandLine information(Command command)
{
    CommandLine result;
    result.options.command = command;
    return result;
}

constexpr std::string_view commandChoice = "(decode, encode, list, scan, check ou set)";
constexpr std::string_view gameChoice = "--game attend vc ou gta3";

std::string operandsError(const CommandSyntax &syntax, std::span<const std::string_view> operands)
{
    if (operands.size() < syntax.minOperands) {
        if (syntax.command == Command::Set)
            return "set attend un fichier, un identifiant, puis une valeur ou des flags";
        if (syntax.fileOperands > 0)
            return fmt::format("{} attend un fichier", syntax.name);
        return fmt::format("{} attend au moins {}", syntax.name,
                           syntax.command == Command::Encode ? "un nom de flag" : "une valeur");
    }
    if (operands.size() > syntax.maxOperands)
        return fmt::format("{} n'attend aucun argument", syntax.name);
    const auto files = operands.first(std::min(operands.size(), syntax.fileOperands));
    if (std::count(files.begin(), files.end(), standardInput) > 1)
        return "l'entrée standard (\"-\") ne se lit qu'une fois";
    if (syntax.command == Command::Set && operands.front() == standardInput)
        return "set change un fichier sur le disque, pas l'entrée standard";
    return {};
}

} // namespace

CommandLine parseCommandLine(std::span<const std::string_view> arguments)
{
    if (const auto command = informationAsked(arguments))
        return information(*command);

    Options options;
    std::string_view setOnly; // an option that only set takes
    std::vector<std::string_view> words;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || !argument.starts_with("--")) {
            words.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--dry-run") {
            options.dryRun = true;
            setOnly = argument;
        } else if (argument == "--no-backup") {
            options.keepBackup = false;
            setOnly = argument;
        } else if (argument == "--game" || argument.starts_with("--game=")) {
            std::string_view name;
            if (argument != "--game")
                name = argument.substr(std::string_view("--game=").size());
            else if (i + 1 < arguments.size())
                name = arguments[++i];
            else
                return usageError(std::string(gameChoice));
            options.game = handling::findGame(name);
            if (options.game == nullptr)
                return usageError(
                    fmt::format("jeu inconnu {} : {}", handling::quoted(name), gameChoice));
        } else {
            return usageError(fmt::format("option inconnue {}", handling::quoted(argument)));
        }
    }

    if (words.empty())
        return usageError(fmt::format("commande manquante {}", commandChoice));
    const CommandSyntax *syntax = commandNamed(words.front());
    if (syntax == nullptr)
        return usageError(
            fmt::format("commande inconnue {} {}", handling::quoted(words.front()), commandChoice));
    options.command = syntax->command;
    if (!setOnly.empty() && options.command != Command::Set)
        return usageError(fmt::format("l'option {} ne sert qu'à set", setOnly));
    options.operands.assign(words.begin() + 1, words.end());
    if (std::string error = operandsError(*syntax, options.operands); !error.empty())
        return usageError(std::move(error));
    return {options, {}};
}

} // namespace bitloom::cli
