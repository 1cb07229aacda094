// Twips (1/1440 inch) are the unit in which every window and control is laid
// out. A front end turns them into pixels at its window's resolution: at 96
// dots per inch a pixel is 15 twips, at 192 it is 7.5.
#pragma once

namespace bitloom::core {

inline constexpr int twipsPerInch = 1440;

// A screen's resolution in dots per inch; 96 is the standard one (100 %).
struct Dpi {
    int value;
    friend constexpr bool operator==(const Dpi &, const Dpi &) = default;
};
inline constexpr Dpi standardDpi{96};
inline constexpr int twipsPerPixel = twipsPerInch / standardDpi.value;

struct TwipsPoint {
    int x;
    int y;
    friend constexpr bool operator==(const TwipsPoint &, const TwipsPoint &) = default;
};

struct TwipsSize {
    int width;
    int height;
    friend constexpr bool operator==(const TwipsSize &, const TwipsSize &) = default;
};

// A rectangle in twips, relative to the control's container.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
    friend constexpr bool operator==(const TwipsRect &, const TwipsRect &) = default;
};

// Rounds to the nearest pixel, halves away from zero.
constexpr int toPixels(int twips, Dpi dpi = standardDpi)
{
    const long long scaled = 2LL * twips * dpi.value;
    const long long unit = 2LL * twipsPerInch;
    return static_cast<int>(scaled >= 0 ? (scaled + twipsPerInch) / unit
                                        : -((-scaled + twipsPerInch) / unit));
}

constexpr int toTwips(int pixels, Dpi dpi = standardDpi)
{
    return static_cast<int>(1LL * pixels * twipsPerInch / dpi.value);
}

} // namespace bitloom::core
