// bitloom-flags --help, which help2man also reads to write the manual page,
// and the help of one command: a usage line, then sections whose titles end
// with " :", all made from the command tables.
#pragma once

#include "CommandLine.h"

#include <string>

namespace bitloom::cli {

// The whole help for Command::Help, otherwise that command's.
std::string helpText(Command topic = Command::Help);

} // namespace bitloom::cli
