// The commands on handling files. Each returns the exit status.
#pragma once

#include "CommandContext.h"

namespace bitloom::cli {

// The file's vehicle lines for the report, its problems on the error output.
int runScan(const CommandContext &context);
// Every file's problems, as the report.
int runCheck(const CommandContext &context);

} // namespace bitloom::cli
