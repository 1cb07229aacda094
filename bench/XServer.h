// A virtual X server (Xvfb) for the whole benchmark run, so that the probes
// draw on a real X display and their own memory is measured alone.
#pragma once

#include <string>
#include <sys/types.h>

namespace bitloom::bench {

class XServer {
public:
    XServer() = default;
    XServer(const XServer &) = delete;
    XServer &operator=(const XServer &) = delete;
    // Stops the server.
    ~XServer();

    // Starts Xvfb on a free display with one 1280x1024 screen of depth 24;
    // false when none could be started.
    bool start();

    // ":N", once started.
    const std::string &display() const { return m_display; }

private:
    pid_t m_pid = 0;
    std::string m_display;
};

} // namespace bitloom::bench
