// A program started as Windows starts any program: one command line, quoted
// the way the C runtime splits it again.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace bitloom::wintest {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// The program and its arguments as one command line.
std::wstring commandLine(const std::filesystem::path &program,
                         const std::vector<std::wstring> &arguments);

// A window's text in UTF-8, asked of the window itself: an edit box of
// another process keeps its text where only WM_GETTEXT reads it.
std::string textOf(HWND window);
// The visible top-level window of that process with that title, or null.
HWND visibleWindowTitled(DWORD processId, std::string_view title);

// A program in the folder of the running test program, where the build puts
// every program.
std::filesystem::path programBeside(std::wstring_view fileName);

// Ended at once, if it still runs, when destroyed.
class ChildProcess {
public:
    // With output and error given, the child writes there (inheritable
    // handles); otherwise it has no standard streams.
    ChildProcess(const std::filesystem::path &program, const std::vector<std::wstring> &arguments,
                 HANDLE output = nullptr, HANDLE error = nullptr);
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    DWORD id() const { return processId; }
    HANDLE handle() const { return process.get(); }

    // The exit code, or nothing when it still runs after the time given.
    std::optional<DWORD> wait(DWORD milliseconds) const;

private:
    UniqueHandle process;
    DWORD processId = 0;
};

} // namespace bitloom::wintest
