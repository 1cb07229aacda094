// The whole command, apart from the process: arguments in, exit status out.
#pragma once

#include "handling/Problem.h"

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace bitloom::cli {

// Warnings never fail a command; errors do.
enum ExitStatus : int { success = 0, badInput = 1, usageError = 2 };

inline int statusFor(std::span<const handling::Problem> problems)
{
    return countOf(problems, handling::Level::Error) == 0 ? success : badInput;
}

// Says what is wrong with the command line and where help is; returns usageError.
int usageFailure(std::ostream &err, std::string_view message);

// arguments excludes the program's own name. A file operand "-" reads in.
int runCommandLine(std::span<const std::string_view> arguments, std::istream &in, std::ostream &out,
                   std::ostream &err);

} // namespace bitloom::cli
