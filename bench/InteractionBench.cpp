#include "InteractionBench.h"

#include "MonotonicClock.h"
#include "runtime/CheckBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QThread>

using namespace Qt::StringLiterals;

namespace bitloom::bench {

namespace {

constexpr int flagCount = 28;
// A frame that has not come after this long will not come.
constexpr std::int64_t frameTimeoutNanoseconds = 2'000'000'000;

// Counts the paint events one widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *widget)
        : QObject(widget)
    {
        widget->installEventFilter(this);
    }
    int count() const { return m_count; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_count;
        return false;
    }

private:
    int m_count = 0;
};

// Lets the window finish whatever the last action left to do (repaints, the
// window system's answers to a resize), outside any timing.
void settle()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::usleep(1000);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The widget's counter, made on first use. (Without Q_OBJECT, findChild
// cannot tell a counter from any other child, so it is found by its name.)
const PaintCounter *paintCounterOf(QWidget *widget)
{
    const QString name = u"benchPaintCounter"_s;
    QObject *found = widget->findChild<QObject *>(name, Qt::FindDirectChildrenOnly);
    if (const auto *counter = dynamic_cast<const PaintCounter *>(found))
        return counter;
    auto *counter = new PaintCounter(widget);
    counter->setObjectName(name);
    return counter;
}

} // namespace

InteractionBench::InteractionBench(QMainWindow &window)
    : m_window(window)
{
    for (int bit = 0; bit < flagCount; ++bit) {
        m_flags.push_back(
            window.findChild<runtime::CheckBox *>(u"chkflag(" % QString::number(bit) % u')'));
    }
    m_output = window.findChild<QLineEdit *>(u"txtOutput"_s);
    m_clear = window.findChild<QAction *>(u"mnuFileClear"_s);
    m_single = window.findChild<QAction *>(u"mnuViewSingle"_s);
    m_wide = window.findChild<QAction *>(u"mnuViewWide"_s);
}

bool InteractionBench::isComplete() const
{
    for (const runtime::CheckBox *box : m_flags) {
        if (!box)
            return false;
    }
    return m_output && m_clear && m_single && m_wide;
}

std::vector<Measure> InteractionBench::run()
{
    std::vector<Measure> measures;
    const auto add = [&measures](const QString &label, std::vector<double> samples) {
        measures.push_back({label, summarize(std::move(samples))});
    };
    // Clicks and resets in the wide view, where the output box and every flag
    // are on screen: each click repaints its box and the output.
    m_wide->trigger();
    settle();
    timeFlagClicks(1, true); // warm-up
    add(u"Click → output text"_s, timeFlagClicks(10, false));
    add(u"Click → frame"_s, timeFlagClicks(5, true));
    timeResets(5, true); // warm-up
    add(u"Reset of 28 → output \"0\""_s, timeResets(200, false));
    add(u"Reset of 28 → frame"_s, timeResets(100, true));

    timeViewSwitches(m_wide, m_single, 3, true); // warm-up
    add(u"Wide view → handler done"_s, timeViewSwitches(m_single, m_wide, 100, false));
    add(u"Wide view → frame"_s, timeViewSwitches(m_single, m_wide, 60, true));
    add(u"Single view → handler done"_s, timeViewSwitches(m_wide, m_single, 100, false));
    add(u"Single view → frame"_s, timeViewSwitches(m_wide, m_single, 60, true));
    if (m_failed)
        measures.clear();
    return measures;
}

template <typename Action>
double InteractionBench::timed(Action &&action, bool untilFrame, QWidget *painted)
{
    const PaintCounter *counter = paintCounterOf(painted);
    const int paintsBefore = counter->count();
    const std::int64_t start = monotonicNanoseconds();
    action();
    if (untilFrame) {
        // The frame is flushed in the same dispatch that paints the widget.
        while (counter->count() == paintsBefore) {
            QCoreApplication::processEvents();
            if (monotonicNanoseconds() - start > frameTimeoutNanoseconds) {
                m_failed = true;
                break;
            }
        }
    }
    const std::int64_t end = monotonicNanoseconds();
    return static_cast<double>(end - start) / 1000.0;
}

std::vector<double> InteractionBench::timeFlagClicks(int rounds, bool untilFrame)
{
    std::vector<double> samples;
    for (int round = 0; round < rounds; ++round) {
        // Every box on, then every box off: each click changes the value.
        for (int pass = 0; pass < 2; ++pass) {
            for (runtime::CheckBox *box : m_flags) {
                const QString before = m_output->text();
                QString after;
                samples.push_back(timed(
                    [&] {
                        box->click();
                        after = m_output->text();
                    },
                    untilFrame, m_output));
                if (after == before)
                    m_failed = true;
                settle();
            }
        }
    }
    return samples;
}

std::vector<double> InteractionBench::timeResets(int rounds, bool untilFrame)
{
    std::vector<double> samples;
    for (int round = 0; round < rounds; ++round) {
        for (runtime::CheckBox *box : m_flags)
            box->setValue(flags::CheckState::Checked);
        settle();
        QString after;
        samples.push_back(timed(
            [&] {
                m_clear->trigger();
                after = m_output->text();
            },
            untilFrame, m_output));
        if (after != u"0")
            m_failed = true;
        settle();
    }
    return samples;
}

std::vector<double> InteractionBench::timeViewSwitches(QAction *from, QAction *to, int rounds,
                                                       bool untilFrame)
{
    std::vector<double> samples;
    for (int round = 0; round < rounds; ++round) {
        from->trigger();
        settle();
        samples.push_back(timed([&] { to->trigger(); }, untilFrame, &m_window));
        if (!to->isChecked())
            m_failed = true;
        settle();
    }
    return samples;
}

} // namespace bitloom::bench
