// bitloom-flags: the flags value from names, flag names from values, and the
// flags of every vehicle in a handling file.
#include "cli/Messages.h"
#include "cli/Program.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char *argv[])
{
    // A scan's output can be long, and so can its errors: a bad file may have
    // one per line. Nothing here uses C stdio, and the errors are written in
    // blocks rather than one system call each.
    std::ios::sync_with_stdio(false);
    std::cerr.unsetf(std::ios::unitbuf);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const int status = bitloom::cli::runProgram(arguments, std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << bitloom::cli::messages::programName << ": "
                  << bitloom::cli::messages::outputError() << '\n';
        return bitloom::cli::badInput;
    }
    return status;
}
