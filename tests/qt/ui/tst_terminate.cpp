#include "qt/runtime/Program.h"
#include "qt/ui/MainWindow.h"

#include <QApplication>
#include <QTest>

using namespace bitloom;

class tst_Terminate : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void destroyingTheMainWindowEndsTheProgram();
};

void tst_Terminate::destroyingTheMainWindowEndsTheProgram()
{
    runtime::initializeProgram(*qobject_cast<QApplication *>(qApp));
    auto window = std::make_unique<ui::MainWindow>();
    window->show();
    QVERIFY(!runtime::programHasEnded());
    window.reset();
    QVERIFY(runtime::programHasEnded());
}

QTEST_MAIN(tst_Terminate)
#include "tst_terminate.moc"
