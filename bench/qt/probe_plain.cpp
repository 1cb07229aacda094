// The floors: a bare Qt window of the main window's client size and title,
// and the same with one label, which loads Qt's font stack as any text does.
#include "ProbeWindow.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace bitloom::bench {

std::unique_ptr<QWidget> makeProbeWindow(const QString &argument)
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(u"Bitloom"_s);
    window->setFixedSize(313, 297);
    if (argument == u"label")
        (new QLabel(u"Bitloom"_s, window.get()))->move(8, 8);
    return window;
}

} // namespace bitloom::bench
