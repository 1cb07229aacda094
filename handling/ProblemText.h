// A problem as a person reads it: one line, which says how bad and where.
// The companion command writes it after the file's name; the window shows
// it of a pasted line.
#pragma once

#include "GameProfile.h"
#include "Problem.h"

#include <span>
#include <string>
#include <string_view>

namespace bitloom::handling {

// "erreur : ID : message": the level, the vehicle's identifier when the
// line has one, and the message.
std::string problemText(const Problem &problem);
// FILE:LINE: level : message, or FILE: level : message for the whole file.
std::string fileProblemText(std::string_view file, const Problem &problem);
// FILE: lu comme un fichier de GAME (--game OPTION): the game a file was told
// to be, from the file itself.
std::string gameToldText(std::string_view file, const GameProfile &game);
// A file's report for a person, a line each: the game it was told to be, if
// toldGame is given, then each problem.
std::string fileProblemsText(std::string_view file, const GameProfile *toldGame,
                             std::span<const Problem> problems);

} // namespace bitloom::handling
