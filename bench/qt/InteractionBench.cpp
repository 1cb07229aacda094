// The main window's interactions timed in process with Qt Test, each from the
// call a user's action makes to the moment its effect can be seen: the output
// text (or the new layout) as the handler leaves it and, separately, the
// repainted frame handed to the window system. Run with -median N.
#include "ProbeWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace bitloom::bench {

class InteractionBench : public QObject {
    Q_OBJECT

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        m_paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_window = makeProbeWindow({});
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        for (int bit = 0; bit < 28; ++bit)
            m_flags << m_window->findChild<QAbstractButton *>(u"chkflag(%1)"_s.arg(bit));
        m_output = m_window->findChild<QLineEdit *>(u"txtOutput"_s);
        m_clear = m_window->findChild<QAction *>(u"mnuFileClear"_s);
        m_single = m_window->findChild<QAction *>(u"mnuViewSingle"_s);
        m_wide = m_window->findChild<QAction *>(u"mnuViewWide"_s);
        QVERIFY(!m_flags.contains(nullptr) && m_output && m_clear && m_single && m_wide);
    }

    // Clicks repeat as they are, so QBENCHMARK times them, in the wide view,
    // where the output box and every flag are on screen.
    void click_data()
    {
        QTest::addColumn<bool>("untilFrame");
        QTest::newRow("Click → output text") << false;
        QTest::newRow("Click → frame") << true;
    }
    void click()
    {
        QFETCH(bool, untilFrame);
        m_wide->trigger();
        QTest::qWait(20);
        bool changed = true;
        QBENCHMARK
        {
            // Every box on, then every box off: each click changes the value.
            const QString before = m_output->text();
            m_flags[m_clicks++ % m_flags.size()]->click();
            changed = changed && m_output->text() != before;
            if (untilFrame)
                waitForPaintOf(m_output);
        }
        QVERIFY(changed);
    }

    // A reset and a view switch each need a set-up that must stay out of the
    // time, so each run times one.
    void once_data()
    {
        QTest::addColumn<QAction *>("from");
        QTest::addColumn<QAction *>("action");
        QTest::addColumn<QWidget *>("painted"); // none: until the handler is done
        QWidget *none = nullptr;
        QTest::newRow("Reset of 28 → output \"0\"") << m_wide << m_clear << none;
        QTest::newRow("Reset of 28 → frame")
            << m_wide << m_clear << static_cast<QWidget *>(m_output);
        QTest::newRow("Wide view → handler done") << m_single << m_wide << none;
        QTest::newRow("Wide view → frame") << m_single << m_wide << m_window.get();
        QTest::newRow("Single view → handler done") << m_wide << m_single << none;
        QTest::newRow("Single view → frame") << m_wide << m_single << m_window.get();
    }
    void once()
    {
        QFETCH(QAction *, from);
        QFETCH(QAction *, action);
        QFETCH(QWidget *, painted);
        from->trigger();
        for (QAbstractButton *box : std::as_const(m_flags)) {
            if (action == m_clear && !box->isChecked())
                box->click();
        }
        QTest::qWait(20);
        const QSize sizeBefore = m_window->size();
        QElapsedTimer timer;
        timer.start();
        action->trigger();
        if (painted)
            waitForPaintOf(painted);
        QTest::setBenchmarkResult(qreal(timer.nsecsElapsed()) / 1e6, QTest::WalltimeMilliseconds);
        QVERIFY(action == m_clear ? m_output->text() == u"0" : m_window->size() != sizeBefore);
    }

private:
    // Runs the event loop until the widget has been painted: the frame is
    // flushed in the same dispatch.
    void waitForPaintOf(QWidget *widget)
    {
        widget->installEventFilter(this);
        m_paints = 0;
        const QDeadlineTimer deadline(2000);
        while (m_paints == 0 && !deadline.hasExpired())
            QCoreApplication::processEvents();
        widget->removeEventFilter(this);
        QVERIFY2(m_paints > 0, "no frame came");
    }

    std::unique_ptr<QWidget> m_window;
    QList<QAbstractButton *> m_flags;
    QLineEdit *m_output = nullptr;
    QAction *m_clear = nullptr;
    QAction *m_single = nullptr;
    QAction *m_wide = nullptr;
    int m_paints = 0;
    qsizetype m_clicks = 0;
};

} // namespace bitloom::bench

QTEST_MAIN(bitloom::bench::InteractionBench)
#include "InteractionBench.moc"
