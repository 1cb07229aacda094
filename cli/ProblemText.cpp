#include "ProblemText.h"

#include "CommandLine.h"
#include "handling/MessageText.h"

#include <fmt/format.h>

namespace bitloom::cli {

namespace {

std::string_view levelName(handling::Level level)
{
    return level == handling::Level::Error ? "erreur" : "avertissement";
}

} // namespace

std::string fileProblemText(std::string_view file, const handling::Problem &problem)
{
    std::string text(file);
    if (problem.line > 0)
        fmt::format_to(std::back_inserter(text), ":{}", problem.line);
    fmt::format_to(std::back_inserter(text), ": {} : ", levelName(problem.level));
    if (!problem.identifier.empty())
        fmt::format_to(std::back_inserter(text), "{} : ", handling::shown(problem.identifier));
    return text + problem.message;
}

std::string gameToldText(std::string_view file, const handling::GameProfile &game)
{
    return fmt::format("{}: lu comme un fichier de {} (--game {})", file, game.title, game.option);
}

std::string inputProblemText(const handling::Problem &problem)
{
    return fmt::format("{}: {} : {}", programName, levelName(problem.level), problem.message);
}

} // namespace bitloom::cli
