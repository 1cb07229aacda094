// Every command and every option of bitloom-flags, once: the parser, the
// runner, the list of commands and the help, general or of one command,
// all read these tables.
#pragma once

#include "Commands.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>

namespace bitloom::cli {

// A set of commands, as bits of Command.
using Commands = std::uint32_t;
constexpr Commands only(Command command)
{
    return Commands{1} << static_cast<unsigned>(command);
}
constexpr Commands anyCommand = ~Commands{0};

inline constexpr std::size_t unlimited = std::numeric_limits<std::size_t>::max();

struct CommandEntry {
    std::string_view name;
    Command command;
    std::string_view operands; // as the usage line writes them
    std::size_t minOperands;
    std::size_t maxOperands;
    // Operands that name a file, from the first; the others are values,
    // names or identifiers.
    std::size_t fileOperands;
    // What it says when too few operands are given.
    std::string_view missing;
    // What it does: its line in the list of commands, then more in its own
    // help. Plain text, wrapped when shown.
    std::string_view summary;
    std::string_view details;
    int (*run)(const CommandContext &context);
};

struct OptionEntry {
    std::string_view name;     // "--game"
    std::string_view argument; // "vc|gta3", or empty for a flag
    std::string_view summary;  // plain text, wrapped when shown
    Commands commands;         // those that take it
    // Sets the option; empty, or what is wrong with its argument.
    std::string (*apply)(Options &options, std::string_view argument);
};

// A part of the help after the commands and the options, shown in the help
// of the commands it concerns.
struct HelpSection {
    std::string_view title;
    std::string_view text; // paragraphs of plain text, lines starting with two
                           // spaces kept as they are
    Commands commands;
};

std::span<const CommandEntry> commandTable();
std::span<const OptionEntry> optionTable();
std::span<const HelpSection> helpSections();

const CommandEntry *findCommand(std::string_view name);
const CommandEntry *findCommand(Command command);
const OptionEntry *findOption(std::string_view name);

// "(decode, encode, list, scan, check ou set)".
std::string commandChoice();

} // namespace bitloom::cli
