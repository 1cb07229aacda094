// Every check of a handling file, in one pass each.
#pragma once

#include "GameProfile.h"
#include "HandlingFile.h"
#include "Problem.h"
#include "rules/Rules.h"

#include <span>
#include <vector>

namespace bitloom::handling {

std::span<const rules::Rule> fileRules();

// The problems of all rules, in line order; those of one line in the order
// of the rules, each stamped with its rule's code.
std::vector<Problem> checkHandlingFile(const HandlingFile &file, const GameProfile &game);

// What check says of one line on its own, as pasted from a file: the
// problems of the line itself, not those of a whole file.
std::vector<Problem> checkLine(std::string_view line, const GameProfile &game);

} // namespace bitloom::handling
