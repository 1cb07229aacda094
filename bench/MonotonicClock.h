// One clock for the driver and the probes: CLOCK_MONOTONIC is shared by every
// process of the machine, so a stamp taken in a child can be compared with
// one taken by its parent before the spawn. On Linux, libstdc++'s
// steady_clock reads CLOCK_MONOTONIC.
#pragma once

#include <chrono>
#include <cstdint>

namespace bitloom::bench {

inline std::int64_t monotonicNanoseconds()
{
    const auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(sinceBoot).count();
}

} // namespace bitloom::bench
