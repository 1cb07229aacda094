#include "support/MainWindowFixture.h"
#include "support/ModalAnswer.h"

#include <QMessageBox>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

using namespace bitloom;

// Keyboard use of the main window: tab order, access keys and shortcuts.
class tst_MainWindowKeyboard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void tabOrderInSingleView_data();
    void tabOrderInSingleView();
    void tabOrderInWideView();
    void accessKeys_data();
    void accessKeys();
    void escapeResetsOnlyWhileSummaryShown_data();
    void escapeResetsOnlyWhileSummaryShown();
    void viewShortcuts();
    void quitAndAboutShortcuts();

private:
    // The focus path from the list, pressing Tab `count` times.
    QStringList tabPath(int count) const;

    tests::MainWindowFixture m_main;
};

QStringList tst_MainWindowKeyboard::tabPath(int count) const
{
    QStringList path;
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        path.append(QApplication::focusWidget()->objectName());
    }
    return path;
}

void tst_MainWindowKeyboard::initTestCase()
{
    QVERIFY(m_main.start());
}

void tst_MainWindowKeyboard::init()
{
    m_main.reset();
    QVERIFY(QTest::qWaitForWindowActive(m_main.window()));
}

void tst_MainWindowKeyboard::tabOrderInSingleView_data()
{
    QTest::addColumn<int>("pane");
    QTest::addColumn<QStringList>("path");

    QTest::newRow("summary") << 0 << QStringList{u"txtOutput"_s, u"cmdClearAll"_s, u"lstPane"_s};
    QTest::newRow("digit 2") << 2
                             << QStringList{u"chkflag(4)"_s, u"chkflag(5)"_s, u"chkflag(6)"_s,
                                            u"chkflag(7)"_s, u"lstPane"_s};
    QTest::newRow("digit 7") << 7
                             << QStringList{u"chkflag(24)"_s, u"chkflag(25)"_s, u"chkflag(26)"_s,
                                            u"chkflag(27)"_s, u"lstPane"_s};
}

void tst_MainWindowKeyboard::tabOrderInSingleView()
{
    QFETCH(int, pane);
    QFETCH(QStringList, path);

    m_main.lstPane()->setCurrentRow(pane);
    m_main.lstPane()->setFocus();
    QCOMPARE(tabPath(static_cast<int>(path.size())), path);
}

void tst_MainWindowKeyboard::tabOrderInWideView()
{
    m_main.action(u"mnuViewWide"_s)->trigger();
    m_main.txtOutput()->setFocus();

    QStringList expected;
    for (int bit = 0; bit <= 26; ++bit)
        expected.append(u"chkflag(%1)"_s.arg(bit));
    // After the box of bit 26 come the reset button, then the last box.
    expected << u"cmdClearAll"_s << u"chkflag(27)"_s << u"txtOutput"_s;
    QCOMPARE(tabPath(static_cast<int>(expected.size())), expected);
}

void tst_MainWindowKeyboard::accessKeys_data()
{
    QTest::addColumn<bool>("wide");
    QTest::addColumn<int>("pane");
    QTest::addColumn<bool>("active");

    QTest::newRow("summary shown") << false << 0 << true;
    QTest::newRow("digit pane shown") << false << 3 << false;
    QTest::newRow("wide view") << true << 0 << true;
}

void tst_MainWindowKeyboard::accessKeys()
{
    QFETCH(bool, wide);
    QFETCH(int, pane);
    QFETCH(bool, active);

    if (wide)
        m_main.action(u"mnuViewWide"_s)->trigger();
    else
        m_main.lstPane()->setCurrentRow(pane);
    m_main.chkflag(0)->setFocus();
    m_main.chkflag(0)->setValue(flags::CheckState::Checked);

    // Alt+D: into the output box.
    QTest::keyClick(m_main.window(), Qt::Key_D, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget() == m_main.txtOutput(), active);

    // Alt+R: the reset button.
    QSignalSpy resets(m_main.cmdClearAll(), &QPushButton::clicked);
    QTest::keyClick(m_main.window(), Qt::Key_R, Qt::AltModifier);
    if (active)
        QVERIFY(resets.wait(1000));
    else
        QVERIFY(!resets.wait(300));
    QCOMPARE(m_main.txtOutput()->text(), active ? u"0"_s : u"1"_s);
}

void tst_MainWindowKeyboard::escapeResetsOnlyWhileSummaryShown_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<bool>("resets");

    QTest::newRow("summary shown") << u"summary"_s << true;
    QTest::newRow("wide view") << u"wide"_s << true;
    QTest::newRow("digit pane from the list") << u"list"_s << false;
    QTest::newRow("digit pane from the menu") << u"menu"_s << false;
}

void tst_MainWindowKeyboard::escapeResetsOnlyWhileSummaryShown()
{
    QFETCH(QString, view);
    QFETCH(bool, resets);

    // Flag 13 lies on digit pane 4, which holds the focus where it shows.
    runtime::CheckBox *box = m_main.chkflag(13);
    box->setValue(flags::CheckState::Checked);
    if (view == u"wide")
        m_main.action(u"mnuViewWide"_s)->trigger();
    else if (view == u"list")
        m_main.lstPane()->setCurrentRow(4);
    else if (view == u"menu")
        m_main.mnuPane(4)->trigger();
    if (box->isVisible())
        box->setFocus();

    QSignalSpy clicks(m_main.cmdClearAll(), &QPushButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(clicks.count(), resets ? 1 : 0);
    QCOMPARE(m_main.txtOutput()->text(), resets ? u"0"_s : u"2000"_s);
    QCOMPARE(box->value(), resets ? flags::CheckState::Unchecked : flags::CheckState::Checked);
    QCOMPARE(m_main.fraPane(4)->isVisible(), view != u"summary");
}

void tst_MainWindowKeyboard::viewShortcuts()
{
    QTest::keyClick(m_main.window(), Qt::Key_W, Qt::ControlModifier);
    QVERIFY(m_main.action(u"mnuViewWide"_s)->isChecked());
    QVERIFY(!m_main.lstPane()->isVisible());

    QTest::keyClick(m_main.window(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(m_main.action(u"mnuViewSingle"_s)->isChecked());
    QVERIFY(m_main.lstPane()->isVisible());
}

void tst_MainWindowKeyboard::quitAndAboutShortcuts()
{
    QString about;
    const tests::ModalAnswer answer1([&](QWidget *window) {
        about = window->objectName();
        QTest::keyClick(window, Qt::Key_Escape);
    });
    QTest::keyClick(m_main.window(), Qt::Key_F1);
    QCOMPARE(about, u"frmAbout"_s);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QApplication::setActiveWindow(m_main.window());
    QVERIFY(QTest::qWaitForWindowActive(m_main.window()));

    QString question;
    const tests::ModalAnswer answer2([&](QWidget *window) {
        auto *box = qobject_cast<QMessageBox *>(window);
        question = box->windowTitle();
        box->button(QMessageBox::No)->click();
    });
    QTest::keyClick(m_main.window(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(question, u"Confirmation pour Quitter?"_s);
    QVERIFY(m_main.window()->isVisible());
}

QTEST_MAIN(tst_MainWindowKeyboard)
#include "tst_mainwindow_keyboard.moc"
