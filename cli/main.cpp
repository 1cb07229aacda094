// bitloom-flags: the flags value from names, flag names from values, and the
// flags of every vehicle in a handling file.
#include "cli/CommandLine.h"
#include "cli/CommandRunner.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include "cli/WindowsConsole.h"
#include "text/Utf16.h"

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
// The wide command line, so that any file name reaches the program whatever
// the system's code page; everything inside works in UTF-8, as on Linux.
int wmain(int argc, wchar_t *argv[])
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(argc));
    for (int i = 1; i < argc; ++i)
        texts.push_back(bitloom::text::utf8FromWide(argv[i]));

    // Text for a console is shown as written, whatever its code page; a
    // file or a pipe gets UTF-8. (Unsynchronising the streams from C stdio
    // gives them buffers of their own: that comes first.)
    std::ios::sync_with_stdio(false);
    bitloom::cli::ConsoleBuffer output(GetStdHandle(STD_OUTPUT_HANDLE));
    bitloom::cli::ConsoleBuffer errors(GetStdHandle(STD_ERROR_HANDLE));
    std::streambuf *const fileOutput = std::cout.rdbuf();
    std::streambuf *const fileErrors = std::cerr.rdbuf();
    if (bitloom::cli::isConsole(GetStdHandle(STD_OUTPUT_HANDLE)))
        std::cout.rdbuf(&output);
    if (bitloom::cli::isConsole(GetStdHandle(STD_ERROR_HANDLE)))
        std::cerr.rdbuf(&errors);
    // A double-click gives no command: the help says what to type instead.
    const bool ownConsole = bitloom::cli::hasConsoleOfItsOwn();
    if (ownConsole && texts.empty())
        texts.emplace_back("--help");
    const int status = run(std::vector<std::string_view>(texts.begin(), texts.end()));
    if (ownConsole)
        bitloom::cli::waitForKey();
    std::cout.flush();
    std::cerr.flush();
    std::cout.rdbuf(fileOutput);
    std::cerr.rdbuf(fileErrors);
    return status;
}
#else
int main(int argc, char *argv[])
{
    return run(std::vector<std::string_view>(argv + 1, argv + argc));
}
#endif
