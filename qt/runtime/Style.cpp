#include "Style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

using namespace Qt::StringLiterals;

namespace bitloom::runtime {

namespace {

// The caption's text starts 8 pixels in, where the panes' labels do, and the
// line stops this far short of it on either side.
constexpr int captionIndent = 8;
constexpr int captionGap = 2;
// An etched line is two pixels deep: shadow, then highlight.
constexpr int frameWidth = 2;

QRect captionRect(const QStyleOptionGroupBox &box)
{
    if (box.text.isEmpty())
        return {};
    const QSize text = box.fontMetrics.size(Qt::TextShowMnemonic, box.text);
    const QSize gap(text.width() + 2 * captionGap, box.fontMetrics.height());
    const QRect room
        = box.rect.adjusted(captionIndent - captionGap, 0, -(captionIndent - captionGap), 0);
    return QStyle::alignedRect(box.direction, box.textAlignment & Qt::AlignHorizontal_Mask, gap,
                               room)
        .intersected(box.rect);
}

// The frame's top line runs through the middle of the caption.
QRect frameRect(const QStyleOptionGroupBox &box)
{
    return box.rect.adjusted(0, captionRect(box).height() / 2, 0, 0);
}

} // namespace

Style::Style()
    : QProxyStyle(QStyleFactory::create(u"Fusion"_s))
{
}

const QStyleOptionGroupBox *Style::classicGroupBox(ComplexControl control,
                                                   const QStyleOptionComplex *option)
{
    if (control != CC_GroupBox)
        return nullptr;
    const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (!box || (box->subControls & SC_GroupBoxCheckBox)
        || (box->features & QStyleOptionFrame::Flat))
        return nullptr;
    return box;
}

QRect Style::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                            SubControl subControl, const QWidget *widget) const
{
    const QStyleOptionGroupBox *box = classicGroupBox(control, option);
    if (!box)
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    switch (subControl) {
    case SC_GroupBoxLabel:
        return captionRect(*box);
    case SC_GroupBoxFrame:
        return frameRect(*box);
    case SC_GroupBoxContents: {
        QRect contents = frameRect(*box).adjusted(frameWidth, frameWidth, -frameWidth, -frameWidth);
        contents.setTop(std::max(contents.top(), captionRect(*box).bottom() + 1));
        return contents;
    }
    default:
        return {};
    }
}

void Style::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                               QPainter *painter, const QWidget *widget) const
{
    const QStyleOptionGroupBox *box = classicGroupBox(control, option);
    if (!box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect caption = captionRect(*box);
    if (box->subControls & SC_GroupBoxFrame) {
        painter->save();
        if (!caption.isEmpty())
            painter->setClipRegion(QRegion(box->rect).subtracted(caption));
        // Sunken, one pixel deep with no middle line: the etched frame.
        qDrawShadeRect(painter, frameRect(*box), box->palette, true, 1, 0);
        painter->restore();
    }
    if ((box->subControls & SC_GroupBoxLabel) && !caption.isEmpty()) {
        int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        if (!styleHint(SH_UnderlineShortcut, box, widget))
            flags |= Qt::TextHideMnemonic;
        drawItemText(painter, caption, flags, box->palette, box->state & State_Enabled, box->text,
                     QPalette::WindowText);
    }
}

} // namespace bitloom::runtime
