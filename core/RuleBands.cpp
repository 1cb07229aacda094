#include "RuleBands.h"

#include <algorithm>

namespace bitloom::core {

namespace {

struct Rows {
    int top;
    int bottom; // past the last row
};

// A pen of n pixels centred on row y covers rows y - n/2 to y - n/2 + n - 1.
Rows penRows(int row, int pixels)
{
    return {row - pixels / 2, row - pixels / 2 + pixels};
}

// Pixels at 96 dpi to pixels at that resolution, to nearest.
int scaled(int pixels, Dpi dpi)
{
    return toPixels(pixels * twipsPerPixel, dpi);
}

} // namespace

std::vector<RuleBand> ruleBands(const mainWindow::Rule &rule, Dpi dpi)
{
    // At 96 dpi: the upper line whole, what shows of the lower one above and
    // below it, nothing above the container.
    const int row = toPixels(rule.y);
    const bool shadowOnTop = rule.shadowPixels < rule.highlightPixels;
    const int upperLine = shadowOnTop ? 0 : 1;
    const Rows upper = penRows(row, shadowOnTop ? rule.shadowPixels : rule.highlightPixels);
    const Rows lower = penRows(row, shadowOnTop ? rule.highlightPixels : rule.shadowPixels);
    std::vector<RuleBand> bands;
    const auto add = [&bands](int line, int top, int bottom) {
        top = std::max(top, 0);
        if (bottom > top)
            bands.push_back({line, top, bottom - top});
    };
    add(1 - upperLine, lower.top, std::min(lower.bottom, upper.top));
    add(upperLine, upper.top, upper.bottom);
    add(1 - upperLine, std::max(lower.top, upper.bottom), lower.bottom);

    // Scaled: the first band's top keeps its offset from the rule's row, and
    // the bands follow one another.
    if (bands.empty())
        return bands;
    int top = std::max(0, toPixels(rule.y, dpi) + scaled(bands.front().top - row, dpi));
    for (RuleBand &band : bands) {
        band.top = top;
        band.height = std::max(1, scaled(band.height, dpi));
        top += band.height;
    }
    return bands;
}

RuleBand lineRows(const mainWindow::Rule &rule, int line, Dpi dpi)
{
    RuleBand rows{line, 0, 0};
    bool first = true;
    for (const RuleBand &band : ruleBands(rule, dpi)) {
        if (band.line != line)
            continue;
        const int bottom = std::max(rows.top + rows.height, band.top + band.height);
        rows.top = first ? band.top : std::min(rows.top, band.top);
        rows.height = bottom - rows.top;
        first = false;
    }
    return rows;
}

} // namespace bitloom::core
