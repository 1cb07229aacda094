// set: a vehicle's flags changed in a handling file, and nothing else.
#pragma once

#include "CommandContext.h"

namespace bitloom::cli {

// The operands are the file, then for each vehicle its identifier and the
// words that make its new value; returns the exit status.
int runSet(const CommandContext &context);

} // namespace bitloom::cli
