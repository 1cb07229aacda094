#include "runtime/Program.h"
#include "ui/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    bitloom::runtime::initializeProgram(application);

    bitloom::ui::frmMain window;
    window.show();
    return QApplication::exec();
}
