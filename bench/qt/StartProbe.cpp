// A start probe: starts its window as app/main.cpp starts the program's and,
// once the first frame is on screen, writes one line: the monotonic time in
// milliseconds at which it reached each stage, the processor time it used in
// milliseconds and its peak resident memory in MiB. Then it ends at once: its
// teardown is not part of the start-up.
#include "ProbeWindow.h"

#include <QApplication>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

double now()
{
    const std::chrono::duration<double, std::milli> sinceBoot
        = std::chrono::steady_clock::now().time_since_epoch();
    return sinceBoot.count();
}

// The first frame is painted inside the dispatch of one window-system event:
// the window gets its paint event, then its children theirs, then the backing
// store is flushed. So the frame is on screen when that dispatch returns.
class FirstFrameApplication : public QApplication {
public:
    using QApplication::QApplication;
    const QObject *window = nullptr;
    std::array<double, 4> stamps{}; // main, application, window, show

    bool notify(QObject *receiver, QEvent *event) override
    {
        m_painted = m_painted || (receiver == window && event->type() == QEvent::Paint);
        ++m_depth;
        const bool handled = QApplication::notify(receiver, event);
        if (--m_depth == 0 && m_painted) {
            const double frame = now();
            rusage usage{};
            ::getrusage(RUSAGE_SELF, &usage);
            const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                               + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
            std::printf("main=%.4f application=%.4f window=%.4f show=%.4f frame=%.4f cpu=%.3f "
                        "rss=%.3f\n",
                        stamps[0], stamps[1], stamps[2], stamps[3], frame, cpu,
                        double(usage.ru_maxrss) / 1024);
            std::fflush(stdout);
            std::_Exit(EXIT_SUCCESS);
        }
        return handled;
    }

private:
    int m_depth = 0;
    bool m_painted = false;
};

} // namespace

int main(int argc, char *argv[])
{
    const double start = now();
    // As the program: no command line reaches Qt.
    int qtArgc = 1;
    FirstFrameApplication application(qtArgc, argv);
    const double constructed = now();
    const std::unique_ptr<QWidget> window
        = bitloom::bench::makeProbeWindow(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    const double made = now();
    application.window = window.get();
    window->show();
    application.stamps = {start, constructed, made, now()};
    return QApplication::exec();
}
