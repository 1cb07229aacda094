// Starts the program exactly as app/main.cpp does, stamping each stage, and
// ends at its first frame.
#include "FirstFrameApplication.h"
#include "StageClock.h"
#include "runtime/Program.h"
#include "ui/frmMain.h"

int main(int argc, char *argv[])
{
    using bitloom::bench::stageClock::stamp;
    stamp("main");
    // As the program: no command line reaches Qt.
    int qtArgc = argc > 0 ? 1 : 0;
    bitloom::bench::FirstFrameApplication application(qtArgc, argv);
    stamp("application");
    bitloom::runtime::initializeProgram(application);
    stamp("initialize");

    bitloom::ui::frmMain window;
    stamp("window");
    application.watch(&window);
    window.show();
    stamp("show");
    return QApplication::exec();
}
