#include "CommandLine.h"

#include "Messages.h"

#include <array>
#include <optional>
#include <utility>

namespace bitloom::cli {

namespace {

constexpr std::array<std::pair<std::string_view, Command>, 3> commands{{
    {"decode", Command::Decode},
    {"encode", Command::Encode},
    {"scan", Command::Scan},
}};

std::optional<Command> commandNamed(std::string_view name)
{
    for (const auto &[commandName, command] : commands) {
        if (commandName == name)
            return command;
    }
    return std::nullopt;
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

} // namespace

CommandLine parseCommandLine(std::span<const std::string_view> arguments)
{
    if (const auto command = informationAsked(arguments))
        return information(*command);

    Options options;
    std::vector<std::string_view> words;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || !argument.starts_with('-')) {
            words.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--game" || argument.starts_with("--game=")) {
            std::string_view name;
            if (argument != "--game")
                name = argument.substr(std::string_view("--game=").size());
            else if (i + 1 < arguments.size())
                name = arguments[++i];
            else
                return usageError(messages::missingGame());
            options.game = findGame(name);
            if (options.game == nullptr)
                return usageError(messages::unknownGame(name));
        } else {
            return usageError(messages::unknownOption(argument));
        }
    }

    if (words.empty())
        return usageError(messages::missingCommand());
    const auto command = commandNamed(words.front());
    if (!command)
        return usageError(messages::unknownCommand(words.front()));
    options.command = *command;
    options.operands.assign(words.begin() + 1, words.end());
    if (options.operands.empty())
        return usageError(messages::missingOperands(words.front()));
    if (options.command == Command::Scan && options.operands.size() > 1)
        return usageError(messages::oneFileOnly());
    return {options, {}};
}

} // namespace bitloom::cli
