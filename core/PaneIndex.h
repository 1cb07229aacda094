#pragma once

#include <cstdint>

namespace bitloom::core {

// A pane of the main window: 0 is the summary, 1..7 the hex digit of the same
// number; None is the pane list with no item selected.
enum class PaneIndex : std::int16_t { None = -1, Summary = 0 };

inline constexpr int paneCount = 8;

constexpr PaneIndex paneIndex(int index)
{
    return PaneIndex{static_cast<std::int16_t>(index)};
}

constexpr int toInt(PaneIndex index)
{
    return static_cast<int>(index);
}

} // namespace bitloom::core
