// The command line: a command, its operands and the options.
#pragma once

#include "handling/GameProfile.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bitloom::cli {

inline constexpr std::string_view programName = "bitloom-flags";
// How a file operand names the standard input.
inline constexpr std::string_view standardInput = "-";

enum class Command { Help, Version, Decode, Encode, List, Scan, Check, Set };

struct Options {
    Command command = Command::Help;
    // Help: the command whose help is asked for; Help itself for the whole.
    Command helpTopic = Command::Help;
    bool json = false;
    bool dryRun = false;    // set: show the changes, write nothing
    bool keepBackup = true; // set: the old file kept beside the new one
    // --game: the file commands tell the game from the file without it, the
    // others take Vice-City.
    const handling::GameProfile *game = nullptr;
    std::string_view has; // scan: the flag the vehicles listed have
    std::vector<std::string_view> operands;
};

struct CommandLine {
    Options options;
    std::string usageError; // empty when the command line is right
};

// Options begin with "--" and may come before or after the command; "--"
// ends them. Any other word is the command or an operand, so that "-" (the
// standard input) and "-NAME" (encode's removal) need no "--" before them.
// --help, -h and --version win over everything: the help of the command
// given, if any. "help COMMAND" asks for that command's help too.
CommandLine parseCommandLine(std::span<const std::string_view> arguments);

} // namespace bitloom::cli
