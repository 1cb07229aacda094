// Which flags go with an entry in the boat, bike or flying section. Each of
// these flags' descriptions says that the vehicle also has such an entry;
// the boat section also holds flying vehicles that land on water.
#pragma once

#include "HandlingFormat.h"
#include "flags/FlagBits.h"

#include <array>
#include <cstdint>

namespace bitloom::handling {

struct SectionFlags {
    LineKind section;
    std::uint32_t needingIt;  // a vehicle with any of these needs such an entry
    std::uint32_t allowingIt; // such an entry needs one of these on the vehicle's line
};

inline constexpr std::array<SectionFlags, 3> viceCitySectionFlags{{
    {LineKind::Boat, flags::maskNamed("IS_BOAT"),
     flags::maskNamed("IS_BOAT") | flags::maskNamed("IS_HELI") | flags::maskNamed("IS_PLANE")},
    {LineKind::Bike, flags::maskNamed("IS_BIKE"), flags::maskNamed("IS_BIKE")},
    {LineKind::Flying, flags::maskNamed("IS_HELI") | flags::maskNamed("IS_PLANE"),
     flags::maskNamed("IS_HELI") | flags::maskNamed("IS_PLANE")},
}};

} // namespace bitloom::handling
