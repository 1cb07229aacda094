// A fresh private directory for the probes' XDG_RUNTIME_DIR, so that Qt
// neither warns about nor creates /tmp/runtime-$USER; removed at the end.
#pragma once

#include <string>

namespace bitloom::bench {

class RuntimeDir {
public:
    // Creates the directory with mode 0700; path() is empty when that failed.
    RuntimeDir();
    RuntimeDir(const RuntimeDir &) = delete;
    RuntimeDir &operator=(const RuntimeDir &) = delete;
    ~RuntimeDir();

    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace bitloom::bench
