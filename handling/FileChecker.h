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

} // namespace bitloom::handling
