// The moments a start probe reaches each stage of its start-up. They are kept
// in memory and written only once, at the end, so that writing them costs the
// measured start-up nothing.
#pragma once

namespace bitloom::bench::stageClock {

// Notes the current time under the given name, a string literal.
void stamp(const char *stage);

// Writes every stamp to standard output as "@stage <name> <nanoseconds>" and
// ends the process at once: its teardown is not part of the start-up.
[[noreturn]] void reportAndExit();

} // namespace bitloom::bench::stageClock
