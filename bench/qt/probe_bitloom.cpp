// The program's main window, set up as app/main.cpp sets it up. The only file
// of the benchmark that knows the program's classes.
#include "ProbeWindow.h"
#include "qt/runtime/Program.h"
#include "qt/ui/MainWindow.h"

#include <QApplication>

namespace bitloom::bench {

std::unique_ptr<QWidget> makeProbeWindow(const QString &)
{
    runtime::initializeProgram(*qApp);
    return std::make_unique<ui::MainWindow>();
}

} // namespace bitloom::bench
