// Runs the start probes of the program, of a bare Qt window and of a bare
// window with one label side by side, then the in-process probe, and prints
// one table. Usage: bitloom-bench [runs [warm-up rounds]], 15 and 2 by default.
#include "BenchReport.h"
#include "ProbeRun.h"
#include "RuntimeDir.h"
#include "XServer.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <iostream>

extern char **environ;

namespace {

using namespace bitloom::bench;

constexpr int startTimeoutSeconds = 30;
constexpr int inProcessTimeoutSeconds = 180;

// The driver's environment for the probes, on the given X display, or on
// Qt's offscreen platform when there is none.
std::vector<std::string> probeEnvironment(const std::string &display, const std::string &runtimeDir)
{
    const std::array<std::string, 5> replaced{
        "DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM=", "XDG_RUNTIME_DIR=", "SESSION_MANAGER="};
    std::vector<std::string> environment;
    for (char **variable = environ; *variable; ++variable) {
        const std::string entry = *variable;
        bool keep = true;
        for (const std::string &prefix : replaced)
            keep = keep && entry.rfind(prefix, 0) != 0;
        if (keep)
            environment.push_back(entry);
    }
    if (display.empty())
        environment.push_back("QT_QPA_PLATFORM=offscreen");
    else
        environment.push_back("DISPLAY=" + display);
    environment.push_back("XDG_RUNTIME_DIR=" + runtimeDir);
    return environment;
}

bool failed(const std::string &program, const ProbeRun &run)
{
    if (run.succeeded)
        return false;
    std::cerr << "bitloom-bench: " << program << " failed:\n" << run.diagnostics;
    return true;
}

void printPreamble(const ProbeRun &inProcess, const std::string &display, int runs, int warmUps)
{
    std::cout << "Bitloom benchmark: " << BITLOOM_BENCH_BUILD_TYPE << " build, GCC " << __VERSION__
              << ", " << qtDescription(inProcess) << ".\n";
    if (!display.empty()) {
        std::cout << "Display: Xvfb " << display
                  << ", 1280x1024x24, no window manager, one server for the whole run.\n";
    } else {
        std::cout << "Display: NO X server could be started; QT_QPA_PLATFORM=offscreen, so no "
                     "window system is timed.\n";
    }
    if (!std::getenv("DBUS_SESSION_BUS_ADDRESS")) {
        std::cout << "No D-Bus session bus: Qt's accessibility bridge tries to start one, in every "
                     "probe alike.\n";
    }
    std::cout << "Start-up: " << runs << " runs of each start probe in rotating order, after "
              << warmUps
              << " warm-up rounds. \"Cold\" = a new process\n"
                 "every run, with the file cache warm. First frame = end of the event dispatch in "
                 "which the window got\nits first paint event: children painted, backing store "
                 "flushed to the window system. Times are CLOCK_MONOTONIC\nfrom just before "
                 "posix_spawn(). Cells: median [min–max]. ÷ bare: ratio of the medians [min–max of "
                 "the\nratios within each run]. The label window is the floor for any window "
                 "showing text.\n";
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    const int warmUps = argc > 2 ? std::atoi(argv[2]) : 2;
    if (runs < 1 || warmUps < 0) {
        std::cerr << "usage: bitloom-bench [runs [warm-up rounds]]\n";
        return 2;
    }
    const std::filesystem::path here
        = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::string inProcessProbe = (here / "inproc-bitloom").string();

    XServer xserver;
    const std::string display = xserver.start() ? xserver.display() : std::string();
    RuntimeDir runtimeDir;
    if (runtimeDir.path().empty()) {
        std::cerr << "bitloom-bench: cannot create a runtime directory\n";
        return 1;
    }
    const std::vector<std::string> environment = probeEnvironment(display, runtimeDir.path());

    StartupRuns startup;
    const std::array<std::pair<std::string, std::vector<ProbeRun> *>, 3> probes{{
        {(here / "startprobe-bitloom").string(), &startup.bitloom},
        {(here / "startprobe-bare").string(), &startup.bare},
        {(here / "startprobe-label").string(), &startup.label},
    }};
    std::cerr << "bitloom-bench: " << warmUps << " warm-up rounds and " << runs
              << " runs of each start probe, then the in-process probe\n";
    // Each round starts with the next probe, so that every probe holds every
    // place in the order equally often.
    for (int round = 0; round < warmUps + runs; ++round) {
        for (std::size_t turn = 0; turn < probes.size(); ++turn) {
            const auto &[program, results] = probes[(round + turn) % probes.size()];
            ProbeRun run = runProbe(program, environment, startTimeoutSeconds);
            if (failed(program, run))
                return 1;
            if (round >= warmUps)
                results->push_back(std::move(run));
        }
    }
    const ProbeRun inProcess = runProbe(inProcessProbe, environment, inProcessTimeoutSeconds);
    if (failed(inProcessProbe, inProcess))
        return 1;

    printPreamble(inProcess, display, runs, warmUps);
    benchTable(startup, inProcess).print(std::cout);
    return 0;
}
