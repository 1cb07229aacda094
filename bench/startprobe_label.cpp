// The floor for any window that shows text: the bare window with one label in
// the default font. Comparing with it separates the cost of Qt's font stack,
// which any text pays, from what the program adds.
#include "FirstFrameApplication.h"
#include "StageClock.h"

#include <QLabel>
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
    auto *label = new QLabel(u"Bitloom"_s, &window);
    label->move(8, 8);
    stamp("window");
    application.watch(&window);
    window.show();
    stamp("show");
    return QApplication::exec();
}
