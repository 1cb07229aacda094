// The two-tone separator rules, drawn by the window that holds them as part
// of its own background: a line is no window of its own.
#pragma once

#include "core/MainWindowDefinition.h"

#include <windows.h>

namespace bitloom::win32 {

// Draws the rule's bands, its container's top-left corner being at origin
// (client pixels of the window), at that resolution: the shadow line in the
// 3D shadow colour, the highlight in the 3D highlight colour.
void paintRule(HDC context, const core::mainWindow::Rule &rule, POINT origin, core::Dpi dpi);

} // namespace bitloom::win32
