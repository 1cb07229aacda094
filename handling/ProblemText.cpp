#include "ProblemText.h"

#include "MessageText.h"

#include <fmt/format.h>

namespace bitloom::handling {

std::string problemText(const Problem &problem)
{
    std::string text = problem.level == Level::Error ? "erreur : " : "avertissement : ";
    if (!problem.identifier.empty())
        fmt::format_to(std::back_inserter(text), "{} : ", shown(problem.identifier));
    return text + problem.message;
}

std::string fileProblemText(std::string_view file, const Problem &problem)
{
    std::string text(file);
    if (problem.line > 0)
        fmt::format_to(std::back_inserter(text), ":{}", problem.line);
    return text + ": " + problemText(problem);
}

std::string gameToldText(std::string_view file, const GameProfile &game)
{
    return fmt::format("{}: lu comme un fichier de {} (--game {})", file, game.title, game.option);
}

std::string fileProblemsText(std::string_view file, const GameProfile *toldGame,
                             std::span<const Problem> problems)
{
    std::string text;
    if (toldGame != nullptr)
        text.append(gameToldText(file, *toldGame)) += '\n';
    for (const Problem &problem : problems)
        text.append(fileProblemText(file, problem)) += '\n';
    return text;
}

} // namespace bitloom::handling
