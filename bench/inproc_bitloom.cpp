// Shows the program's main window, times its interactions and writes one
// "@row" line per measure: label, count, then median, quartiles, minimum and
// maximum in microseconds, tab-separated.
#include "InteractionBench.h"
#include "runtime/Program.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    bitloom::runtime::initializeProgram(application);
    bitloom::ui::frmMain window;
    window.show();

    int status = EXIT_FAILURE;
    // Measured from inside the event loop, once the window is on screen.
    QTimer::singleShot(200, &window, [&window, &status] {
        bitloom::bench::InteractionBench bench(window);
        if (!bench.isComplete()) {
            std::fputs("inproc-bitloom: a control was not found by name\n", stderr);
            QCoreApplication::exit(EXIT_FAILURE);
            return;
        }
        const std::vector<bitloom::bench::Measure> measures = bench.run();
        std::printf("@info\t%s\t%s\n", qVersion(),
                    QGuiApplication::platformName().toUtf8().constData());
        for (const bitloom::bench::Measure &measure : measures) {
            const bitloom::bench::Summary &s = measure.microseconds;
            std::printf("@row\t%s\t%zu\t%.2f\t%.2f\t%.2f\t%.2f\t%.2f\n",
                        measure.label.toUtf8().constData(), s.count, s.median, s.lowerQuartile,
                        s.upperQuartile, s.minimum, s.maximum);
        }
        std::fflush(stdout);
        status = measures.empty() ? EXIT_FAILURE : EXIT_SUCCESS;
        if (measures.empty())
            std::fputs("inproc-bitloom: an interaction did not have its effect\n", stderr);
        QCoreApplication::exit(status);
    });
    QApplication::exec();
    return status;
}
