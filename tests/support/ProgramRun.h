// Running a program to its end as a shell runs it, on Linux: its standard
// input from a text, its output and errors kept.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace bitloom::tests {

struct ProgramRun {
    int status = -1; // the exit status; -1 when a signal ended the program
    std::string out;
    std::string err;
};

// output: where the standard output goes instead of being kept (such as
// /dev/full); empty to keep it.
ProgramRun runProgram(const std::filesystem::path &program,
                      const std::vector<std::string> &arguments, const std::string &input = {},
                      const std::filesystem::path &output = {});

} // namespace bitloom::tests
