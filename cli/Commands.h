// The commands. Each reads what it needs, has handling/ work out the facts,
// hands them to the report and returns the exit status.
#pragma once

#include "CommandLine.h"
#include "Report.h"

#include <istream>
#include <ostream>

namespace bitloom::cli {

// What the program gives each command to run with.
struct CommandContext {
    const Options &options;
    Report &report;
    std::istream &in;  // read for a file operand "-"
    std::ostream &err; // a person's copy of the problems
};

// On values and flag names.
int runDecode(const CommandContext &context);
int runEncode(const CommandContext &context);
int runList(const CommandContext &context);
// On handling files: the file's vehicle lines for the report, its problems
// on the error output; every file's problems, as the report.
int runScan(const CommandContext &context);
int runCheck(const CommandContext &context);
// The operands are the file, then for each vehicle its identifier and the
// words that make its new value.
int runSet(const CommandContext &context);

} // namespace bitloom::cli
