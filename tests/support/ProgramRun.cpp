#include "ProgramRun.h"

#include "TempFolder.h"

#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace bitloom::tests {

namespace fs = std::filesystem;

// Files, unlike pipes, never fill up and block the program while nobody
// reads them.
ProgramRun runProgram(const fs::path &program, const std::vector<std::string> &arguments,
                      const std::string &input, const fs::path &output)
{
    const TempFolder folder("bitloom-run");
    const fs::path in = folder.write("in", input);
    const fs::path out = output.empty() ? folder.path() / "out" : output;
    const fs::path err = folder.path() / "err";

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    pid_t child = 0;
    const int failure
        = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failure != 0)
        throw std::runtime_error("cannot start " + program.string());
    int status = 0;
    if (waitpid(child, &status, 0) != child)
        throw std::runtime_error("lost " + program.string());

    ProgramRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (output.empty())
        run.out = contentsOf(out);
    run.err = contentsOf(err);
    return run;
}

} // namespace bitloom::tests
