// The commands on values and flag names. Each returns the exit status.
#pragma once

#include "CommandContext.h"

namespace bitloom::cli {

int runDecode(const CommandContext &context);
int runEncode(const CommandContext &context);
int runList(const CommandContext &context);

} // namespace bitloom::cli
