#include "support/MainWindowFixture.h"
#include "support/ModalAnswer.h"

#include <QMessageBox>
#include <QPointer>

using namespace Qt::StringLiterals;

using namespace bitloom;

// How the program ends, and how the About window holds the main window.
class tst_Lifecycle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void quitAnsweredNoChangesNothing_data();
    void quitAnsweredNoChangesNothing();
    void aboutWindowBlocksTheMainWindow();
    void aboutWindowIsOneInstanceForTheRun();
    void closingTheWindowAsksNothing();
    // Ends the program: keep it last.
    void quitAnsweredYesEndsAtOnce();

private:
    void quit(bool byShortcut);

    tests::MainWindowFixture m_main;
};

void tst_Lifecycle::quit(bool byShortcut)
{
    if (byShortcut)
        QTest::keyClick(m_main.window(), Qt::Key_Q, Qt::ControlModifier);
    else
        m_main.action(u"mnuFileExit"_s)->trigger();
}

void tst_Lifecycle::initTestCase()
{
    QVERIFY(m_main.start());
}

void tst_Lifecycle::init()
{
    m_main.window()->show();
    m_main.reset();
    QVERIFY(QTest::qWaitForWindowActive(m_main.window()));
}

void tst_Lifecycle::quitAnsweredNoChangesNothing_data()
{
    QTest::addColumn<bool>("byShortcut");
    QTest::newRow("menu") << false;
    QTest::newRow("Ctrl+Q") << true;
}

void tst_Lifecycle::quitAnsweredNoChangesNothing()
{
    QFETCH(bool, byShortcut);
    m_main.chkflag(13)->setValue(flags::CheckState::Checked);
    m_main.lstPane()->setCurrentRow(4);

    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool yesByDefault = false;
    const tests::ModalAnswer answer1([&](QWidget *shown) {
        auto *box = qobject_cast<QMessageBox *>(shown);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        yesByDefault = box->defaultButton() == box->button(QMessageBox::Yes);
        box->button(QMessageBox::No)->click();
    });
    quit(byShortcut);

    QCOMPARE(title, u"Confirmation pour Quitter?"_s);
    QCOMPARE(text, u"Vous êtes sur de vouloir quitter?"_s);
    QCOMPARE(icon, QMessageBox::Question);
    QVERIFY(yesByDefault);
    QVERIFY(!runtime::programHasEnded());
    QVERIFY(m_main.window()->isVisible());
    QCOMPARE(m_main.txtOutput()->text(), u"2000"_s);
    QCOMPARE(m_main.chkflag(13)->value(), flags::CheckState::Checked);
    QVERIFY(m_main.fraPane(4)->isVisible());
}

void tst_Lifecycle::aboutWindowBlocksTheMainWindow()
{
    m_main.action(u"mnuViewWide"_s)->trigger();
    QWindow *mainWindow = m_main.window()->windowHandle();
    runtime::CheckBox *box = m_main.chkflag(0);
    const QPoint onBox = box->mapTo(m_main.window(), QPoint(8, box->height() / 2));

    bool modal = false;
    const tests::ModalAnswer answer2([&](QWidget *about) {
        modal = about->isModal() && QApplication::activeModalWidget() == about;
        // Input to the main window goes nowhere while the About window is open.
        QTest::mouseClick(mainWindow, Qt::LeftButton, {}, onBox);
        QTest::keyClick(mainWindow, Qt::Key_S, Qt::ControlModifier);
        about->close();
    });
    QTest::keyClick(m_main.window(), Qt::Key_F1);

    QVERIFY(modal);
    QCOMPARE(box->value(), flags::CheckState::Unchecked);
    QVERIFY(m_main.action(u"mnuViewWide"_s)->isChecked());
    // Once it is closed, the same click reaches the box.
    QApplication::setActiveWindow(m_main.window());
    QTest::mouseClick(mainWindow, Qt::LeftButton, {}, onBox);
    QCOMPARE(box->value(), flags::CheckState::Checked);
}

void tst_Lifecycle::aboutWindowIsOneInstanceForTheRun()
{
    QList<QPointer<QWidget>> shown;
    for (int opening = 0; opening < 3; ++opening) {
        const tests::ModalAnswer answer6([&](QWidget *about) {
            shown.append(about);
            about->close();
        });
        QTest::keyClick(m_main.window(), Qt::Key_F1);
        QApplication::setActiveWindow(m_main.window());
    }
    QCOMPARE(shown.size(), 3);

    // A closed About window is hidden, not gone, and never doubled.
    int instances = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        instances += window->objectName() == u"frmAbout"_s;
    QCOMPARE(instances, 1);
    QVERIFY(shown[0]);
    QCOMPARE(shown[1], shown[0]);
    QCOMPARE(shown[2], shown[0]);
}

void tst_Lifecycle::closingTheWindowAsksNothing()
{
    bool asked = false;
    const tests::ModalAnswer answer3([&](QWidget *shown) {
        asked = true;
        shown->close();
    });
    // Run the program's own event loop: closing its window must end it.
    QTimer::singleShot(0, m_main.window(), [this] { m_main.window()->close(); });
    QTimer::singleShot(3000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!asked);
    QVERIFY(!m_main.window()->isVisible());
}

void tst_Lifecycle::quitAnsweredYesEndsAtOnce()
{
    // The About window was shown before: it must not keep the program alive.
    const tests::ModalAnswer answer4([](QWidget *about) { about->close(); });
    m_main.action(u"mnuAbout"_s)->trigger();
    QApplication::setActiveWindow(m_main.window());

    const tests::ModalAnswer answer5([](QWidget *shown) {
        qobject_cast<QMessageBox *>(shown)->button(QMessageBox::Yes)->click();
    });
    QEventLoop loop;
    QTimer::singleShot(0, m_main.window(), [this] { quit(true); });
    QCOMPARE(loop.exec(), 0); // the event loop returns

    QVERIFY(runtime::programHasEnded());
    QVERIFY(QApplication::topLevelWidgets().size() > 0);
    for (QWidget *window : QApplication::topLevelWidgets())
        QVERIFY(!window->isVisible());
    // No input reaches a handler any more.
    QTest::mouseClick(m_main.chkflag(3), Qt::LeftButton);
    QCOMPARE(m_main.txtOutput()->text(), u"0"_s);
}

QTEST_MAIN(tst_Lifecycle)
#include "tst_lifecycle.moc"
