#include "FirstFrameApplication.h"

#include "StageClock.h"

#include <QWidget>

namespace bitloom::bench {

FirstFrameApplication::FirstFrameApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

void FirstFrameApplication::watch(const QWidget *window)
{
    m_window = window;
}

bool FirstFrameApplication::notify(QObject *receiver, QEvent *event)
{
    if (receiver == m_window && event->type() == QEvent::Paint)
        m_painted = true;
    ++m_depth;
    const bool handled = QApplication::notify(receiver, event);
    --m_depth;
    if (m_painted && m_depth == 0) {
        stageClock::stamp("frame");
        stageClock::reportAndExit();
    }
    return handled;
}

} // namespace bitloom::bench
