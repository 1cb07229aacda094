// bitloom-flags: the flags value from names, flag names from values, and the
// flags of every vehicle in a handling file.
#include "cli/CommandLine.h"
#include "cli/CommandRunner.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include "handling/Utf16.h"

#include <windows.h>
#endif

namespace {

int run(const std::vector<std::string_view> &arguments)
{
    using namespace bitloom::cli;
    // A scan's output can be long, and so can its errors: a bad file may have
    // one per line. Nothing here uses C stdio, and the errors are written in
    // blocks rather than one system call each.
    std::ios::sync_with_stdio(false);
    std::cerr.unsetf(std::ios::unitbuf);
    const int status = runCommandLine(arguments, std::cin, std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout) {
        // Standard output could not be written: a full disk, a closed pipe.
        std::cerr << programName << ": erreur d'écriture de la sortie\n";
        std::cerr.flush();
        return badInput;
    }
    std::cerr.flush();
    return status;
}

} // namespace

#ifdef _WIN32
namespace {

// Opened from Explorer, the program gets a console of its own, which closes
// as soon as it ends: what it wrote would flash and vanish.
bool hasConsoleOfItsOwn()
{
    DWORD processes[2];
    DWORD mode = 0;
    return GetConsoleProcessList(processes, 2) == 1
           && GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode)
           && GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode);
}

void waitForKey()
{
    std::cout << "\nAppuyez sur une touche pour fermer cette fenêtre.\n";
    std::cout.flush();
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    FlushConsoleInputBuffer(in);
    INPUT_RECORD record;
    DWORD count = 0;
    while (ReadConsoleInputW(in, &record, 1, &count) && count == 1) {
        if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown)
            return;
    }
}

} // namespace

// The wide command line, so that any file name reaches the program whatever
// the system's code page; everything inside works in UTF-8, as on Linux.
int wmain(int argc, wchar_t *argv[])
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(argc));
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view argument = argv[i];
        texts.push_back(
            bitloom::handling::utf8FromUtf16(std::u16string(argument.begin(), argument.end())));
    }

    // A console shows the output as UTF-8 while the command runs; the command
    // prompt gets its own code page back afterwards. (0: no console.)
    const UINT consolePage = GetConsoleOutputCP();
    if (consolePage != 0)
        SetConsoleOutputCP(CP_UTF8);
    // A double-click gives no command: the help says what to type instead.
    const bool ownConsole = hasConsoleOfItsOwn();
    if (ownConsole && texts.empty())
        texts.emplace_back("--help");
    const int status = run(std::vector<std::string_view>(texts.begin(), texts.end()));
    if (ownConsole)
        waitForKey();
    if (consolePage != 0)
        SetConsoleOutputCP(consolePage);
    return status;
}
#else
int main(int argc, char *argv[])
{
    return run(std::vector<std::string_view>(argv + 1, argv + argc));
}
#endif
