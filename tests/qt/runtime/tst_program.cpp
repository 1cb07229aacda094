#include "qt/runtime/Program.h"
#include "core/ProgramVersion.h"

#include <QFontInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

using namespace bitloom::runtime;
using bitloom::core::programVersion;

class tst_Program : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void versionComesFromTheProject();
    void runsInFrench();
    void dialogFontIsArialMetric();
    // Ends the program: keep it last.
    void endProgramStopsEverythingAtOnce();
};

void tst_Program::initTestCase()
{
    initializeProgram(*qobject_cast<QApplication *>(qApp));
}

void tst_Program::versionComesFromTheProject()
{
    // The project declares major.minor.0.revision.
    const QStringList parts = QStringLiteral(BITLOOM_PROJECT_VERSION).split(u'.');
    QCOMPARE(parts.size(), 4);
    QCOMPARE(programVersion.majorVersion, parts[0].toUShort());
    QCOMPARE(programVersion.minorVersion, parts[1].toUShort());
    QCOMPARE(programVersion.revision, parts[3].toUShort());
    QCOMPARE(programVersion.majorVersion, 1);
    QCOMPARE(programVersion.minorVersion, 0);
    QCOMPARE(programVersion.revision, 0);
    QCOMPARE(QApplication::applicationVersion(), u"1.0.0.0"_s);
    QCOMPARE(QApplication::applicationName(), u"Bitloom"_s);
}

void tst_Program::runsInFrench()
{
    QCOMPARE(QLocale().language(), QLocale::French);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Oui"_s);
}

void tst_Program::dialogFontIsArialMetric()
{
    QCOMPARE(QFontInfo(QApplication::font()).family(), u"Liberation Sans"_s);
    QCOMPARE(QApplication::font().pointSize(), 8);
    QFont output(u"Century Gothic"_s);
    QVERIFY(QFontInfo(output).family().startsWith(u"URW Gothic"_s));
}

void tst_Program::endProgramStopsEverythingAtOnce()
{
    QPushButton window(u"Fenêtre"_s);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(&window, &QPushButton::clicked);

    bool laterEventRan = false;
    QEventLoop loop;
    QTimer::singleShot(0, &window, [] { endProgram(); });
    QTimer::singleShot(0, &window, [&] { laterEventRan = true; });
    QCOMPARE(loop.exec(), 0); // the running event loop returns

    QVERIFY(programHasEnded());
    QVERIFY(!window.isVisible());
    QVERIFY(!laterEventRan);
    QTest::mouseClick(&window, Qt::LeftButton);
    QCOMPARE(clicks.count(), 0);
}

QTEST_MAIN(tst_Program)
#include "tst_program.moc"
