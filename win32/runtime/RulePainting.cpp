#include "RulePainting.h"

#include "core/RuleBands.h"

namespace bitloom::win32 {

void paintRule(HDC context, const core::mainWindow::Rule &rule, POINT origin, core::Dpi dpi)
{
    const LONG left = origin.x + core::toPixels(rule.x1, dpi);
    const LONG right = origin.x + core::toPixels(rule.x2, dpi);
    for (const core::RuleBand &band : core::ruleBands(rule, dpi)) {
        const RECT rows{left, origin.y + band.top, right, origin.y + band.top + band.height};
        FillRect(context, &rows,
                 GetSysColorBrush(band.line == 0 ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
    }
}

} // namespace bitloom::win32
