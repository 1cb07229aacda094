#include "CommandLine.h"

#include "CommandTable.h"
#include "handling/MessageText.h"

#include <algorithm>
#include <fmt/format.h>
#include <optional>
#include <utility>

namespace bitloom::cli {

namespace {

CommandLine usageError(std::string message)
{
    return {{}, std::move(message)};
}

CommandLine unknownCommand(std::string_view word)
{
    return usageError(
        fmt::format("commande inconnue {} {}", handling::quoted(word), commandChoice()));
}

CommandLine helpOf(Command topic, Command command = Command::Help)
{
    CommandLine result;
    result.options.command = command;
    result.options.helpTopic = topic;
    return result;
}

// Asking for help or the version is answered even on a wrong command line:
// the help of the first word that names a command, if any.
std::optional<CommandLine> informationAsked(std::span<const std::string_view> arguments)
{
    const auto end = std::find(arguments.begin(), arguments.end(), "--");
    const auto asked = std::find_if(arguments.begin(), end, [](std::string_view argument) {
        return argument == "-h" || argument == "--help" || argument == "--version";
    });
    if (asked == end)
        return std::nullopt;
    if (*asked == "--version")
        return helpOf(Command::Help, Command::Version);
    const auto named = std::find_if(arguments.begin(), end, [](std::string_view argument) {
        return findCommand(argument) != nullptr;
    });
    return helpOf(named == end ? Command::Help : findCommand(*named)->command);
}

std::string operandsError(const CommandEntry &entry, std::span<const std::string_view> operands)
{
    if (operands.size() < entry.minOperands)
        return std::string(entry.missing);
    if (operands.size() > entry.maxOperands)
        return fmt::format("{} n'attend {}", entry.name,
                           entry.maxOperands == 0 ? "aucun argument" : "qu'un nom de commande");
    const auto files = operands.first(std::min(operands.size(), entry.fileOperands));
    if (std::count(files.begin(), files.end(), standardInput) > 1)
        return "l'entrée standard (\"-\") ne se lit qu'une fois";
    if (entry.command == Command::Set && operands.front() == standardInput)
        return "set change un fichier sur le disque, pas l'entrée standard";
    return {};
}

} // namespace

CommandLine parseCommandLine(std::span<const std::string_view> arguments)
{
    if (std::optional<CommandLine> information = informationAsked(arguments))
        return std::move(*information);

    Options options;
    std::vector<const OptionEntry *> given;
    std::vector<std::string_view> words;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || !argument.starts_with("--")) {
            words.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const OptionEntry *option = findOption(argument.substr(0, equals));
        if (option == nullptr || (equals != std::string_view::npos && option->argument.empty()))
            return usageError(fmt::format("option inconnue {}", handling::quoted(argument)));
        std::string_view value;
        if (equals != std::string_view::npos)
            value = argument.substr(equals + 1);
        else if (!option->argument.empty() && i + 1 < arguments.size())
            value = arguments[++i];
        if (std::string error = option->apply(options, value); !error.empty())
            return usageError(std::move(error));
        given.push_back(option);
    }

    if (words.empty())
        return usageError(fmt::format("commande manquante {}", commandChoice()));
    const CommandEntry *entry = findCommand(words.front());
    if (entry == nullptr)
        return unknownCommand(words.front());
    options.command = entry->command;
    for (const OptionEntry *option : given) {
        if ((option->commands & only(entry->command)) != 0)
            continue;
        const auto takes = std::find_if(
            commandTable().begin(), commandTable().end(),
            [&](const CommandEntry &c) { return option->commands == only(c.command); });
        if (takes != commandTable().end())
            return usageError(
                fmt::format("l'option {} ne sert qu'à {}", option->name, takes->name));
        return usageError(fmt::format("l'option {} ne sert pas à {}", option->name, entry->name));
    }
    options.operands.assign(words.begin() + 1, words.end());
    if (std::string error = operandsError(*entry, options.operands); !error.empty())
        return usageError(std::move(error));
    if (entry->command == Command::Help) {
        const CommandEntry *topic
            = options.operands.empty() ? entry : findCommand(options.operands.front());
        return topic == nullptr ? unknownCommand(options.operands.front()) : helpOf(topic->command);
    }
    return {options, {}};
}

} // namespace bitloom::cli
