// Going through a handling file's text: its vehicle lines and what is wrong.
#pragma once

#include "GameProfile.h"
#include "Problem.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace bitloom::cli {

// Views into the scanned text, which must outlive them.
struct ScannedVehicle {
    std::size_t line; // 1-based
    std::string_view identifier;
    std::string_view flagsText;
    std::uint32_t value;
};

struct ScanResult {
    std::vector<ScannedVehicle> vehicles;
    std::vector<Problem> problems; // in line order
    std::size_t otherSectionLines = 0;
};

// A UTF-8 byte order mark at the start is skipped. Reading stops at
// ";the end", or at the first NUL byte (a binary file).
ScanResult scanHandling(std::string_view text, const GameProfile &game);

} // namespace bitloom::cli
