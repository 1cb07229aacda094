// The console, on Windows: text shown in UTF-16, whatever the console's code
// page, and a console the program got to itself when opened from Explorer.
#pragma once

#include <streambuf>
#include <string>
#include <windows.h>

namespace bitloom::cli {

// UTF-8 written to it goes to the console as UTF-16 with WriteConsoleW, which
// every console shows as written; bytes written with WriteFile are shown in
// the console's code page's characters by some (Windows 7's, Wine's). A
// character cut between two writes waits for its end.
class ConsoleBuffer final : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console)
        : console(console)
    {
    }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char *text, std::streamsize size) override;
    int sync() override;

private:
    HANDLE console;
    std::string pending;
};

// The handle is a console's, not a file or a pipe.
bool isConsole(HANDLE handle);

// Opened from Explorer, the program gets a console of its own, which closes
// as soon as it ends: what it wrote would flash and vanish.
bool hasConsoleOfItsOwn();

// Says so in French, then waits for any key.
void waitForKey();

} // namespace bitloom::cli
