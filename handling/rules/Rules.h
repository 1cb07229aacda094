// The checks of a handling file. Each adds a problem for every mistake of
// its kind, in any order; FileChecker runs them all.
#pragma once

#include "handling/GameProfile.h"
#include "handling/HandlingFile.h"
#include "handling/Problem.h"

#include <string>
#include <string_view>
#include <vector>

namespace bitloom::handling::rules {

using Check
    = void (*)(const HandlingFile &file, const GameProfile &game, std::vector<Problem> &problems);

struct Rule {
    std::string_view code; // names the rule in JSON, for scripts
    Check check;
    bool ofEachLine = false; // finds a line's problems from that line alone
};

// A byte order mark, UTF-16 text, a NUL byte.
void checkEncoding(const HandlingFile &file, const GameProfile &game,
                   std::vector<Problem> &problems);
// More bytes than the game's buffer for the file.
void checkFileSize(const HandlingFile &file, const GameProfile &game,
                   std::vector<Problem> &problems);
// Lines longer than the game's line buffer.
void checkLineLength(const HandlingFile &file, const GameProfile &game,
                     std::vector<Problem> &problems);
// ";the end": missing, without a line break, or almost written.
void checkEndMarker(const HandlingFile &file, const GameProfile &game,
                    std::vector<Problem> &problems);
// Vehicle identifiers the game does not know.
void checkIdentifiers(const HandlingFile &file, const GameProfile &game,
                      std::vector<Problem> &problems);
// Fields missing or in excess, for each kind of line.
void checkFieldCounts(const HandlingFile &file, const GameProfile &game,
                      std::vector<Problem> &problems);
// The flags field as the game reads it.
void checkFlagsValues(const HandlingFile &file, const GameProfile &game,
                      std::vector<Problem> &problems);
// A vehicle defined twice in the same section.
void checkDuplicates(const HandlingFile &file, const GameProfile &game,
                     std::vector<Problem> &problems);
// IS_BIKE, IS_BOAT, IS_HELI and IS_PLANE against the sections' entries.
void checkSectionFlags(const HandlingFile &file, const GameProfile &game,
                       std::vector<Problem> &problems);
// Vehicle lines after ";the end", which the game never reads.
void checkAfterEnd(const HandlingFile &file, const GameProfile &game,
                   std::vector<Problem> &problems);
// Standard lines that plainly have another game's field count.
void checkGame(const HandlingFile &file, const GameProfile &game, std::vector<Problem> &problems);

// A problem of one line, with the vehicle's identifier when it has one.
inline Problem lineProblem(const ReadLine &line, Level level, std::string message)
{
    return {.level = level,
            .message = std::move(message),
            .line = line.number,
            .identifier = std::string(line.fields.identifier)};
}

} // namespace bitloom::handling::rules
