// What the program gives each command to run with.
#pragma once

#include "CommandLine.h"
#include "Report.h"

#include <istream>
#include <ostream>

namespace bitloom::cli {

struct CommandContext {
    const Options &options;
    Report &report;
    std::istream &in;  // read for a file operand "-"
    std::ostream &err; // a person's copy of the problems
};

} // namespace bitloom::cli
