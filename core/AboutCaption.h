#pragma once

#include "core/ProgramVersion.h"

#include <string>

namespace bitloom::core {

// The About window's title: "Bitloom <major>.<minor> Build:  <revision>".
std::string aboutCaption(const ProgramVersion &version);

} // namespace bitloom::core
