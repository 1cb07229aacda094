// Per-monitor resolution: the program lays its windows out in twips and turns
// them into pixels at the resolution of the monitor each window is on.
#pragma once

#include "core/Twips.h"

#include <windows.h>

namespace bitloom::win32 {

// The resolution of the monitor the window is on (Windows 10 1607 and later),
// or the system's where the system cannot tell.
core::Dpi dpiOfWindow(HWND window);

RECT toPixels(const core::TwipsRect &rect, core::Dpi dpi);

// The outer size of a window with that style whose client area is the given
// size, at that resolution.
SIZE windowSizeForClient(SIZE client, DWORD style, DWORD extendedStyle, bool hasMenu,
                         core::Dpi dpi);

// A system metric at that resolution.
int systemMetric(int index, core::Dpi dpi);

} // namespace bitloom::win32
