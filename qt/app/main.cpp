#include "qt/runtime/Program.h"
#include "qt/ui/MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The program takes no command line, not even Qt's own options.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    bitloom::runtime::initializeProgram(application);

    bitloom::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
