// How a two-tone separator rule shows on screen. Its two lines lie on the
// same row, the thinner one on top, so that at 96 dpi the rule reads as a
// shadow row above a highlight row; rows above its container's top edge are
// cut off. At another resolution each band that shows keeps its place and
// its share of a pixel, rounded to whole pixels but never thinner than one,
// so that the rule keeps that look at 125, 150 or 200 %.
#pragma once

#include "MainWindowDefinition.h"
#include "Twips.h"

#include <vector>

namespace bitloom::core {

struct RuleBand {
    // Element 0 of the rule, the shadow line; or element 1, the highlight.
    int line;
    // Pixel rows within the rule's container, from its top edge.
    int top;
    int height;
    friend constexpr bool operator==(const RuleBand &, const RuleBand &) = default;
};

// The bands that show, from top to bottom.
std::vector<RuleBand> ruleBands(const mainWindow::Rule &rule, Dpi dpi);

// The rows one line of the rule covers, from its first band to its last: the
// other line, on top of it where they meet, shows over the rest.
RuleBand lineRows(const mainWindow::Rule &rule, int line, Dpi dpi);

} // namespace bitloom::core
