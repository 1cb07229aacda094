// A problem as a person reads it: one line, which says where and how bad.
#pragma once

#include "handling/GameProfile.h"
#include "handling/Problem.h"

#include <string>
#include <string_view>

namespace bitloom::cli {

// FILE:LINE: level : message, or FILE: level : message for the whole file;
// the vehicle's identifier before the message when the line has one.
std::string fileProblemText(std::string_view file, const handling::Problem &problem);
// FILE: lu comme un fichier de GAME (--game OPTION): the game a file was
// told to be, from the file itself.
std::string gameToldText(std::string_view file, const handling::GameProfile &game);
// bitloom-flags: level : message, for a value or a name on the command line.
std::string inputProblemText(const handling::Problem &problem);

} // namespace bitloom::cli
