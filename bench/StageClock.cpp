#include "StageClock.h"

#include "MonotonicClock.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace bitloom::bench::stageClock {

namespace {

struct Stamp {
    const char *stage;
    std::int64_t nanoseconds;
};

std::array<Stamp, 16> stamps{};
std::size_t stampCount = 0;

} // namespace

void stamp(const char *stage)
{
    if (stampCount < stamps.size())
        stamps[stampCount++] = {stage, monotonicNanoseconds()};
}

void reportAndExit()
{
    std::array<char, 2048> report{};
    std::size_t length = 0;
    for (std::size_t i = 0; i < stampCount; ++i) {
        const int written
            = std::snprintf(report.data() + length, report.size() - length, "@stage %s %lld\n",
                            stamps[i].stage, static_cast<long long>(stamps[i].nanoseconds));
        if (written < 0 || static_cast<std::size_t>(written) >= report.size() - length)
            break;
        length += static_cast<std::size_t>(written);
    }
    // One write, no stdio buffer to flush: std::_Exit skips every destructor.
    const ssize_t sent = ::write(STDOUT_FILENO, report.data(), length);
    std::_Exit(sent == static_cast<ssize_t>(length) ? EXIT_SUCCESS : EXIT_FAILURE);
}

} // namespace bitloom::bench::stageClock
