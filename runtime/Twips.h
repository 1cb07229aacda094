// Twips (1/1440 inch) are the unit in which every window and control is laid
// out. At 96 dots per inch a pixel is 15 twips; the conversion yields logical
// pixels, which Qt scales on high-density screens.
#pragma once

#include <QRect>
#include <QSize>

namespace bitloom::runtime {

inline constexpr int twipsPerPixel = 15;

// A rectangle in twips, relative to the control's container.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
    friend constexpr bool operator==(const TwipsRect &, const TwipsRect &) = default;
};

// Rounds to the nearest pixel, halves away from zero.
constexpr int toPixels(int twips)
{
    return twips >= 0 ? (twips * 2 + twipsPerPixel) / (2 * twipsPerPixel)
                      : -((-twips * 2 + twipsPerPixel) / (2 * twipsPerPixel));
}

constexpr int toTwips(int pixels)
{
    return pixels * twipsPerPixel;
}

QRect toPixels(const TwipsRect &rect);
QSize toPixels(int widthTwips, int heightTwips);
TwipsRect toTwips(const QRect &rect);

} // namespace bitloom::runtime
