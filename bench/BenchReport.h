// The table `make bench` prints: the start probes' runs side by side, against
// the goals, then the in-process probe's measures.
#pragma once

#include "ProbeRun.h"
#include "ResultTable.h"

#include <string>
#include <vector>

namespace bitloom::bench {

// The runs of each start probe, in the order they were made.
struct StartupRuns {
    std::vector<ProbeRun> bitloom;
    std::vector<ProbeRun> bare;
    std::vector<ProbeRun> label;
};

// Start-up and memory of the program within this factor of the bare window's;
// a flag click, up to its output text, within this many microseconds.
inline constexpr double startGoal = 1.15;
inline constexpr double memoryGoal = 1.15;
inline constexpr double clickGoalMicroseconds = 1000;

ResultTable benchTable(const StartupRuns &startup, const ProbeRun &inProcess);

// "Qt <version>, platform <name>" as the in-process probe reported them.
std::string qtDescription(const ProbeRun &inProcess);

} // namespace bitloom::bench
