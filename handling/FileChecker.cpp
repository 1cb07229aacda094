#include "FileChecker.h"

#include <algorithm>
#include <array>

namespace bitloom::handling {

namespace {

// Which game the file is for, and its encoding, first; then, on each line, the line's own problems
// before those of the whole file that show there.
constexpr std::array<rules::Rule, 11> allRules{{
    {rules::game, rules::checkGame},
    {rules::encoding, rules::checkEncoding},
    {rules::vehicle, rules::checkIdentifiers, true},
    {rules::fields, rules::checkFieldCounts, true},
    {rules::flags, rules::checkFlagsValues, true},
    {rules::duplicate, rules::checkDuplicates},
    {rules::section, rules::checkSectionFlags},
    {rules::lineLength, rules::checkLineLength, true},
    {rules::fileSize, rules::checkFileSize},
    {rules::end, rules::checkEndMarker},
    {rules::afterEnd, rules::checkAfterEnd},
}};

std::vector<Problem> check(const HandlingFile &file, const GameProfile &game, bool eachLineOnly)
{
    std::vector<Problem> problems;
    for (const rules::Rule &rule : allRules) {
        if (eachLineOnly && !rule.ofEachLine)
            continue;
        const std::size_t first = problems.size();
        rule.check(file, game, problems);
        for (std::size_t i = first; i < problems.size(); ++i)
            problems[i].rule = rule.code;
    }
    // Another game's file: each line's faults are that game's fields.
    if (std::any_of(problems.begin(), problems.end(),
                    [](const Problem &p) { return p.rule == rules::game; }))
        std::erase_if(problems, [](const Problem &p) {
            return p.rule != rules::game && p.rule != rules::encoding;
        });
    std::stable_sort(problems.begin(), problems.end(),
                     [](const Problem &a, const Problem &b) { return a.line < b.line; });
    return problems;
}

} // namespace

std::span<const rules::Rule> fileRules()
{
    return allRules;
}

std::vector<Problem> checkHandlingFile(const HandlingFile &file, const GameProfile &game)
{
    return check(file, game, false);
}

std::vector<Problem> checkLine(std::string_view line, const GameProfile &game)
{
    return check(readHandlingFile(line, TextEncoding::Plain, game), game, true);
}

} // namespace bitloom::handling
