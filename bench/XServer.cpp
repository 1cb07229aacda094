#include "XServer.h"

#include "MonotonicClock.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace bitloom::bench {

namespace {

constexpr std::int64_t startTimeoutNanoseconds = 10'000'000'000;

} // namespace

XServer::~XServer()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
}

bool XServer::start()
{
    // Xvfb picks a free display and writes its number to this pipe.
    std::array<int, 2> pipeEnds{};
    if (::pipe(pipeEnds.data()) != 0)
        return false;
    ::fcntl(pipeEnds[0], F_SETFD, FD_CLOEXEC);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    // -noreset: the server must not reset, and lose time, each time the last
    // probe disconnects.
    std::string displayFd = std::to_string(pipeEnds[1]);
    std::vector<std::string> arguments{"Xvfb",         "-displayfd", displayFd, "-screen", "0",
                                       "1280x1024x24", "-nolisten",  "tcp",     "-noreset"};
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int error = posix_spawnp(&m_pid, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (error != 0) {
        m_pid = 0;
        ::close(pipeEnds[0]);
        return false;
    }

    std::string number;
    const std::int64_t deadline = monotonicNanoseconds() + startTimeoutNanoseconds;
    while (number.empty() || number.back() != '\n') {
        const std::int64_t left = deadline - monotonicNanoseconds();
        pollfd request{pipeEnds[0], POLLIN, 0};
        if (left <= 0 || ::poll(&request, 1, static_cast<int>(left / 1'000'000) + 1) <= 0)
            break;
        char c = 0;
        if (::read(pipeEnds[0], &c, 1) != 1)
            break;
        number += c;
    }
    ::close(pipeEnds[0]);
    if (number.size() < 2 || number.back() != '\n')
        return false;
    number.pop_back();
    m_display = ':' + number;
    return true;
}

} // namespace bitloom::bench
