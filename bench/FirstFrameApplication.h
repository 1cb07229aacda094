// The application object of a start probe. It watches one window and, as soon
// as the window's first frame has been painted and handed to the window
// system, stamps the "frame" stage and ends the process.
#pragma once

#include <QApplication>

namespace bitloom::bench {

class FirstFrameApplication : public QApplication {
public:
    FirstFrameApplication(int &argc, char **argv);

    void watch(const QWidget *window);

    // The first frame is painted inside the dispatch of one window-system
    // event (an expose or an update request): the window gets its paint
    // event, then its children theirs, then the backing store is flushed. So
    // the frame is complete when that outermost dispatch returns.
    bool notify(QObject *receiver, QEvent *event) override;

private:
    const QObject *m_window = nullptr;
    int m_depth = 0;
    bool m_painted = false;
};

} // namespace bitloom::bench
