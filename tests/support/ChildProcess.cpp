#include "ChildProcess.h"

#include "text/Utf16.h"

#include <stdexcept>

namespace bitloom::wintest {

namespace {

// The C runtime's rules: backslashes are literal except before a quote, where
// each pair is one backslash and an odd one escapes the quote.
void appendQuoted(std::wstring &line, std::wstring_view argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring_view::npos) {
        line += argument;
        return;
    }
    line += L'"';
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        line.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        line += c;
    }
    line.append(2 * backslashes, L'\\');
    line += L'"';
}

} // namespace

std::wstring commandLine(const std::filesystem::path &program,
                         const std::vector<std::wstring> &arguments)
{
    std::wstring line;
    appendQuoted(line, program.native());
    for (const std::wstring &argument : arguments) {
        line += L' ';
        appendQuoted(line, argument);
    }
    return line;
}

std::filesystem::path programBeside(std::wstring_view fileName)
{
    std::wstring self(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length
            = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
        if (length < self.size()) {
            self.resize(length);
            break;
        }
        self.resize(self.size() * 2);
    }
    return std::filesystem::path(self).parent_path() / fileName;
}

ChildProcess::ChildProcess(const std::filesystem::path &program,
                           const std::vector<std::wstring> &arguments, HANDLE output, HANDLE error)
{
    std::wstring line = commandLine(program, arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const bool redirected = output != nullptr || error != nullptr;
    if (redirected) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = output;
        startup.hStdError = error;
    }
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, redirected, 0, nullptr,
                        nullptr, &startup, &info))
        throw std::runtime_error("cannot start " + text::utf8FromWide(program.native()));
    CloseHandle(info.hThread);
    process.reset(info.hProcess);
    processId = info.dwProcessId;
}

ChildProcess::~ChildProcess()
{
    if (!wait(0))
        TerminateProcess(process.get(), 1);
}

std::optional<DWORD> ChildProcess::wait(DWORD milliseconds) const
{
    if (WaitForSingleObject(process.get(), milliseconds) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD status = 0;
    GetExitCodeProcess(process.get(), &status);
    return status;
}

std::string textOf(HWND window)
{
    wchar_t text[256] = L"";
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &copied);
    return text::utf8FromWide(text);
}

HWND visibleWindowTitled(DWORD processId, std::string_view title)
{
    struct Search {
        DWORD processId;
        std::string_view title;
        HWND found;
    } search{processId, title, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto &s = *reinterpret_cast<Search *>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.processId && IsWindowVisible(window) && textOf(window) == s.title)
                s.found = window;
            return s.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace bitloom::wintest
