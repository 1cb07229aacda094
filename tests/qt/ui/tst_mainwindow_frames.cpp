#include "support/MainWindowFixture.h"

#include <QImage>
#include <QStyleOptionGroupBox>

using namespace Qt::StringLiterals;

using namespace bitloom;

// The panes' frames as the style draws them, in both views: the caption on
// the frame's top line, every control inside the frame, and no line of the
// frame through a control or the caption.
class tst_MainWindowFrames : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void frameLinesClearEveryControl_data();
    void frameLinesClearEveryControl();

private:
    tests::MainWindowFixture m_main;
};

namespace {

enum class View { Single, Wide };

// Shorter runs are the ends of lines and the corners of frames, too short to
// hide a control.
constexpr int shortestLine = 3;

// The frame alone, as drawn over the window's background: the controls draw
// lines of their own (the output box, the button, the rules), which are no
// frame's.
QImage frameImage(QGroupBox *pane)
{
    QImage image(pane->size(), QImage::Format_RGB32);
    pane->render(&image, {}, {}, QWidget::DrawWindowBackground);
    return image;
}

// Where the style puts the caption, from the same options QGroupBox paints with.
QRect captionRect(QGroupBox *pane)
{
    QStyleOptionGroupBox option;
    option.initFrom(pane);
    option.text = pane->title();
    option.textAlignment = pane->alignment();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return pane->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                         pane);
}

// The lines of an image in one direction: runs of pixels that each differ
// from a neighbour across the run (above or below for a horizontal run), so
// that a line shows as itself and the pixel on each side of it. Runs inside
// the caption are its letters.
QList<QRect> lines(const QImage &image, Qt::Orientation orientation, const QRect &caption)
{
    const bool horizontal = orientation == Qt::Horizontal;
    const int along = horizontal ? image.width() : image.height();
    const int across = horizontal ? image.height() : image.width();
    const auto pixel = [&](int a, int c) {
        return horizontal ? image.pixel(a, c) : image.pixel(c, a);
    };
    const auto onEdge = [&](int a, int c) {
        return (c > 0 && pixel(a, c) != pixel(a, c - 1))
               || (c + 1 < across && pixel(a, c) != pixel(a, c + 1));
    };
    const QRect letters = caption.adjusted(-1, -1, 1, 1);

    QList<QRect> found;
    for (int c = 0; c < across; ++c) {
        int start = -1;
        for (int a = 0; a <= along; ++a) {
            if (a < along && onEdge(a, c)) {
                if (start < 0)
                    start = a;
                continue;
            }
            if (start >= 0 && a - start >= shortestLine) {
                const QRect run = horizontal ? QRect(QPoint(start, c), QPoint(a - 1, c))
                                             : QRect(QPoint(c, start), QPoint(c, a - 1));
                if (!letters.contains(run))
                    found.append(run);
            }
            start = -1;
        }
    }
    return found;
}

QString show(const QRect &r)
{
    return u"(%1, %2)-(%3, %4)"_s.arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom());
}

} // namespace

void tst_MainWindowFrames::initTestCase()
{
    QVERIFY(m_main.start());
}

void tst_MainWindowFrames::frameLinesClearEveryControl_data()
{
    QTest::addColumn<View>("view");
    QTest::addColumn<int>("pane");
    for (const View view : {View::Single, View::Wide}) {
        for (int pane = 0; pane < 8; ++pane) {
            const QString name = (view == View::Single ? u"single "_s : u"wide "_s) % u"fraPane("_s
                                 % QString::number(pane) % u')';
            QTest::newRow(name.toUtf8()) << view << pane;
        }
    }
}

void tst_MainWindowFrames::frameLinesClearEveryControl()
{
    QFETCH(View, view);
    QFETCH(int, pane);
    m_main.reset();
    if (view == View::Wide)
        m_main.action(u"mnuViewWide"_s)->trigger();
    else
        m_main.mnuPane(pane)->trigger();
    QGroupBox *frame = m_main.fraPane(pane);
    QVERIFY(frame->isVisible());

    const QImage image = frameImage(frame);
    const QRect caption = captionRect(frame);
    const QList<QRect> across = lines(image, Qt::Horizontal, caption);
    const QList<QRect> down = lines(image, Qt::Vertical, caption);
    QVERIFY(!across.isEmpty() && !down.isEmpty());

    QList<QRect> controls{caption};
    for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible())
            controls.append(child->geometry());
    }
    QRect inside;
    for (const QRect &line : across + down)
        inside |= line;
    for (const QRect &control : controls) {
        for (const QRect &line : across + down)
            QVERIFY2(!line.intersects(control),
                     qPrintable(u"line "_s % show(line) % u" crosses "_s % show(control)));
        if (control != caption)
            QVERIFY2(inside.adjusted(1, 1, -1, -1).contains(control),
                     qPrintable(show(control) % u" outside the frame "_s % show(inside)));
    }

    // The top line runs through the caption's middle third, broken around it.
    const QRect top
        = *std::min_element(across.begin(), across.end(),
                            [](const QRect &a, const QRect &b) { return a.top() < b.top(); });
    QVERIFY2(top.top() > caption.top() + caption.height() / 3
                 && top.top() < caption.bottom() - caption.height() / 3,
             qPrintable(u"top line at "_s % QString::number(top.top()) % u", caption "_s
                        % show(caption)));
}

QTEST_MAIN(tst_MainWindowFrames)
#include "tst_mainwindow_frames.moc"
