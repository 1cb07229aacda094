// Which flags go with an entry in the boat, bike or flying section. Each of
// these flags' descriptions says that the vehicle also has such an entry;
// the boat section also holds flying vehicles that land on water.
#pragma once

#include "FlagBits.h"
#include "HandlingFormat.h"

#include <array>
#include <cstdint>

namespace bitloom::cli {

struct SectionFlags {
    LineKind section;
    std::uint32_t needingIt;  // a vehicle with any of these needs such an entry
    std::uint32_t allowingIt; // such an entry needs one of these on the vehicle's line
};

inline constexpr std::array<SectionFlags, 3> sectionFlags{{
    {LineKind::Boat, maskNamed("IS_BOAT"),
     maskNamed("IS_BOAT") | maskNamed("IS_HELI") | maskNamed("IS_PLANE")},
    {LineKind::Bike, maskNamed("IS_BIKE"), maskNamed("IS_BIKE")},
    {LineKind::Flying, maskNamed("IS_HELI") | maskNamed("IS_PLANE"),
     maskNamed("IS_HELI") | maskNamed("IS_PLANE")},
}};

} // namespace bitloom::cli
