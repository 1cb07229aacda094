// bitloom-flags on a file far larger than any the game reads: how long each
// command takes and how much memory it holds, read with wait4's rusage, as a
// person's shell would see them. Usage: bitloom-flags-bench PROGRAM FOLDER RUNS.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Measure {
    double seconds;
    double megabytes; // peak resident set
    int status;
};

Measure run(const std::vector<std::string> &arguments)
{
    std::fflush(stdout); // or the child writes the parent's buffer again
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        std::vector<char *> argv;
        for (const std::string &argument : arguments)
            argv.push_back(const_cast<char *>(argument.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), static_cast<double>(usage.ru_maxrss) / 1024.0,
            WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// Vehicle lines as a modder writes them, over and over, with CRLF endings.
std::string handlingFile(std::size_t bytes)
{
    const std::string line = "LANDSTAL 1700.0 5.0 4.0 2.2 0.0 0.0 -0.2 85 0.8 0.75 0.5 5 160.0 "
                             "25.0 4 D 6.2 0.60 0 35.0 1.4 0.15 0.0 0.5 25000 0.25 -0.20 0.5 20 "
                             "220 1 1\r\n";
    std::string text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes)
        text += line;
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PROGRAM FOLDER RUNS\n", argv[0]);
        return 2;
    }
    const std::string program = argv[1];
    const std::string file = std::string(argv[2]) + "/handling-200MB.cfg";
    const std::string largest = std::string(argv[2]) + "/handling-1MB.cfg";
    const int runs = std::max(1, std::atoi(argv[3]));
    std::ofstream(file, std::ios::binary) << handlingFile(std::size_t{200} * 1000 * 1000);
    // The largest file the commands read: a megabyte.
    std::ofstream(largest, std::ios::binary) << handlingFile(std::size_t{1000} * 1000);

    std::printf("bitloom-flags on a file of 200 MB, then of 1 MB (%d runs; median, and the "
                "worst)\n",
                runs);
    std::printf("%-24s %8s %8s %10s %10s %6s\n", "command", "s", "s max", "MiB", "MiB max",
                "status");
    const std::vector<std::pair<std::string, std::vector<std::string>>> commands{
        {"set (refused)", {program, "set", file, "LANDSTAL", "0"}},
        {"check (refused)", {program, "check", file}},
        {"scan from stdin", {"/bin/sh", "-c", "exec \"$0\" scan - < \"$1\"", program, file}},
        {"check, 1 MB", {program, "check", largest}},
        {"set --dry-run, 1 MB", {program, "set", "--dry-run", largest, "LANDSTAL", "0"}},
    };
    for (const auto &[name, arguments] : commands) {
        std::vector<Measure> measures;
        for (int i = 0; i < runs; ++i)
            measures.push_back(run(arguments));
        const auto by = [&](auto field) {
            std::vector<double> values;
            for (const Measure &m : measures)
                values.push_back(field(m));
            std::sort(values.begin(), values.end());
            return std::pair(values[values.size() / 2], values.back());
        };
        const auto [seconds, slowest] = by([](const Measure &m) { return m.seconds; });
        const auto [memory, most] = by([](const Measure &m) { return m.megabytes; });
        std::printf("%-24s %8.3f %8.3f %10.1f %10.1f %6d\n", name.c_str(), seconds, slowest, memory,
                    most, measures.front().status);
    }
    std::remove(file.c_str());
    std::remove(largest.c_str());
    return 0;
}
