// The floor: a plain Qt window of the main window's client size and title,
// started and watched like the program's, with nothing else.
#include "FirstFrameApplication.h"
#include "StageClock.h"

#include <QWidget>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    using bitloom::bench::stageClock::stamp;
    stamp("main");
    // As the program: no command line reaches Qt.
    int qtArgc = argc > 0 ? 1 : 0;
    bitloom::bench::FirstFrameApplication application(qtArgc, argv);
    stamp("application");

    QWidget window;
    window.setWindowTitle(u"Bitloom"_s);
    window.setFixedSize(313, 297);
    stamp("window");
    application.watch(&window);
    window.show();
    stamp("show");
    return QApplication::exec();
}
