#include "Twips.h"

namespace bitloom::runtime {

QRect toPixels(const TwipsRect &rect)
{
    return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height)};
}

QSize toPixels(int widthTwips, int heightTwips)
{
    return {toPixels(widthTwips), toPixels(heightTwips)};
}

TwipsRect toTwips(const QRect &rect)
{
    return {toTwips(rect.x()), toTwips(rect.y()), toTwips(rect.width()), toTwips(rect.height())};
}

} // namespace bitloom::runtime
