// The whole command, apart from the process: arguments in, exit status out.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace bitloom::cli {

enum ExitStatus : int { success = 0, badInput = 1, usageError = 2 };

// arguments excludes the program's own name.
int runProgram(std::span<const std::string_view> arguments, std::ostream &out, std::ostream &err);

} // namespace bitloom::cli
