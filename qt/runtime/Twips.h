// Twips to Qt's logical pixels and back. Qt scales logical pixels on dense
// screens itself, so the conversion is the one at 96 dots per inch.
#pragma once

#include "core/Twips.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace bitloom::runtime {

using core::toPixels;
using core::toTwips;

QRect toPixels(const core::TwipsRect &rect);
QSize toPixels(core::TwipsSize size);
QPoint toPixels(core::TwipsPoint point);
core::TwipsRect toTwips(const QRect &rect);
core::TwipsSize toTwips(const QSize &size);

} // namespace bitloom::runtime
