#include "CapturedRun.h"

#include "ChildProcess.h"
#include "text/Utf16.h"

#include <stdexcept>

namespace bitloom::wintest {

namespace {

// A temporary file the child inherits as one of its standard streams; it
// disappears when closed. Files, unlike pipes, cannot fill up and block the
// child while nobody reads them.
UniqueHandle inheritableTempFile()
{
    wchar_t folder[MAX_PATH + 1];
    wchar_t name[MAX_PATH + 1];
    if (GetTempPathW(MAX_PATH + 1, folder) == 0 || GetTempFileNameW(folder, L"blo", 0, name) == 0)
        throw std::runtime_error("no temporary file");
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE file = CreateFileW(
        name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot create a temporary file");
    return UniqueHandle(file);
}

std::string readAll(HANDLE file)
{
    LARGE_INTEGER start{};
    SetFilePointerEx(file, start, nullptr, FILE_BEGIN);
    std::string text;
    char block[4096];
    DWORD count = 0;
    while (ReadFile(file, block, sizeof block, &count, nullptr) && count > 0)
        text.append(block, count);
    return text;
}

} // namespace

CapturedRun runCaptured(const std::filesystem::path &program,
                        const std::vector<std::wstring> &arguments, DWORD milliseconds)
{
    const UniqueHandle out = inheritableTempFile();
    const UniqueHandle err = inheritableTempFile();
    const ChildProcess child(program, arguments, out.get(), err.get());
    const std::optional<DWORD> status = child.wait(milliseconds);
    if (!status)
        throw std::runtime_error(text::utf8FromWide(program.filename().native())
                                 + " did not end in time");
    return {*status, readAll(out.get()), readAll(err.get())};
}

} // namespace bitloom::wintest
