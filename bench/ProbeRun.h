// One run of a probe executable: when it was spawned, what it reported, how
// much memory it held at its peak and how it ended.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace bitloom::bench {

struct ProbeRun {
    bool succeeded = false;
    // CLOCK_MONOTONIC just before the spawn, and each "@stage" the probe
    // reported, in nanoseconds.
    std::int64_t spawned = 0;
    std::map<std::string, std::int64_t> stages;
    // The other "@" lines, such as "@row" and "@info", without the "@".
    std::vector<std::string> reports;
    // The probe's peak resident set and the processor time it used (user and
    // system), both from wait4().
    long peakResidentKiB = 0;
    std::int64_t processorMicroseconds = 0;
    // Everything else the probe wrote, and how it ended when it failed.
    std::string diagnostics;

    // Nanoseconds from one stage to the next; "spawn" names the spawn itself.
    // Zero when either stage is missing.
    std::int64_t between(const std::string &from, const std::string &to) const;
};

// Runs the program with no argument and the given environment, its standard
// output and error read together; kills it after timeoutSeconds.
ProbeRun runProbe(const std::string &program, const std::vector<std::string> &environment,
                  int timeoutSeconds);

} // namespace bitloom::bench
