#include "ProbeRun.h"

#include "MonotonicClock.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bitloom::bench {

namespace {

std::vector<char *> pointersTo(std::vector<std::string> &strings)
{
    std::vector<char *> pointers;
    for (std::string &s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Reads the pipe to its end or to the deadline; false when the deadline came.
bool readAll(int fd, std::int64_t deadline, std::string &output)
{
    std::array<char, 4096> buffer{};
    for (;;) {
        const std::int64_t left = deadline - monotonicNanoseconds();
        if (left <= 0)
            return false;
        pollfd request{fd, POLLIN, 0};
        const int ready = ::poll(&request, 1, static_cast<int>(left / 1'000'000) + 1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return true;
        output.append(buffer.data(), static_cast<std::size_t>(got));
    }
}

void parseOutput(const std::string &output, ProbeRun &run)
{
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("@stage ", 0) == 0) {
            std::istringstream fields(line.substr(7));
            std::string stage;
            long long nanoseconds = 0;
            if (fields >> stage >> nanoseconds)
                run.stages[stage] = nanoseconds;
        } else if (line.rfind('@', 0) == 0) {
            run.reports.push_back(line.substr(1));
        } else {
            run.diagnostics += line + '\n';
        }
    }
}

} // namespace

std::int64_t ProbeRun::between(const std::string &from, const std::string &to) const
{
    const auto stampOf = [this](const std::string &stage) -> std::int64_t {
        if (stage == "spawn")
            return spawned;
        const auto found = stages.find(stage);
        return found == stages.end() ? 0 : found->second;
    };
    const std::int64_t start = stampOf(from);
    const std::int64_t end = stampOf(to);
    return start && end ? end - start : 0;
}

ProbeRun runProbe(const std::string &program, const std::vector<std::string> &environment,
                  int timeoutSeconds)
{
    ProbeRun run;
    std::array<int, 2> pipeEnds{};
    if (::pipe2(pipeEnds.data(), O_CLOEXEC) != 0) {
        run.diagnostics = "pipe: " + std::string(std::strerror(errno));
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);

    std::vector<std::string> arguments{program};
    std::vector<std::string> variables = environment;
    const std::vector<char *> argv = pointersTo(arguments);
    const std::vector<char *> envp = pointersTo(variables);

    pid_t child = 0;
    run.spawned = monotonicNanoseconds();
    const int spawnError
        = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (spawnError != 0) {
        ::close(pipeEnds[0]);
        run.diagnostics = program + ": " + std::strerror(spawnError);
        return run;
    }

    std::string output;
    const std::int64_t deadline = run.spawned + std::int64_t{timeoutSeconds} * 1'000'000'000;
    const bool ended = readAll(pipeEnds[0], deadline, output);
    ::close(pipeEnds[0]);
    if (!ended)
        ::kill(child, SIGKILL);

    int status = 0;
    rusage usage{};
    while (::wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.peakResidentKiB = usage.ru_maxrss;
    const auto microseconds = [](const timeval &t) {
        return std::int64_t{t.tv_sec} * 1'000'000 + t.tv_usec;
    };
    run.processorMicroseconds = microseconds(usage.ru_utime) + microseconds(usage.ru_stime);
    parseOutput(output, run);
    run.succeeded = ended && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!ended)
        run.diagnostics += "killed after " + std::to_string(timeoutSeconds) + " s\n";
    else if (!run.succeeded)
        run.diagnostics += "ended with status " + std::to_string(status) + '\n';
    return run;
}

} // namespace bitloom::bench
