#include "Twips.h"

namespace bitloom::runtime {

QRect toPixels(const core::TwipsRect &rect)
{
    return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height)};
}

QSize toPixels(core::TwipsSize size)
{
    return {toPixels(size.width), toPixels(size.height)};
}

QPoint toPixels(core::TwipsPoint point)
{
    return {toPixels(point.x), toPixels(point.y)};
}

core::TwipsRect toTwips(const QRect &rect)
{
    return {toTwips(rect.x()), toTwips(rect.y()), toTwips(rect.width()), toTwips(rect.height())};
}

core::TwipsSize toTwips(const QSize &size)
{
    return {toTwips(size.width()), toTwips(size.height())};
}

} // namespace bitloom::runtime
