#include "support/MainWindowFixture.h"

#include <QMenuBar>

using namespace Qt::StringLiterals;

using namespace bitloom;

// Choosing the visible pane, and the single and wide views.
class tst_MainWindowViews : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void startsInSingleViewWithTheSummary();
    void listChoiceShowsThatPane();
    void wideViewShowsAllPanesInTwoRows();
    void backToSingleView();
    void choosingTheShownPaneChangesNothing();
    void minimizeAndRestoreKeepTheView();

private:
    void clickListItem(int row);
    void verifyOnlyPaneShown(int pane);
    QPoint paneTwips(int pane) const;

    tests::MainWindowFixture m_main;
};

void tst_MainWindowViews::clickListItem(int row)
{
    QListWidget *list = m_main.lstPane();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void tst_MainWindowViews::verifyOnlyPaneShown(int pane)
{
    for (int other = 0; other < 8; ++other) {
        QCOMPARE(m_main.fraPane(other)->isVisible(), other == pane);
        QCOMPARE(m_main.mnuPane(other)->isChecked(), other == pane);
    }
}

QPoint tst_MainWindowViews::paneTwips(int pane) const
{
    const QPoint pixels = m_main.fraPane(pane)->pos();
    return {runtime::toTwips(pixels.x()), runtime::toTwips(pixels.y())};
}

void tst_MainWindowViews::initTestCase()
{
    QVERIFY(m_main.start());
}

void tst_MainWindowViews::init()
{
    m_main.reset();
}

void tst_MainWindowViews::startsInSingleViewWithTheSummary()
{
    // Also the state reset() returns to, checked here once against the window.
    QCOMPARE(m_main.clientTwips(), QSize(4695, 4455));
    QVERIFY(m_main.lstPane()->isVisible());
    QVERIFY(m_main.lstPane()->selectedItems().isEmpty());
    verifyOnlyPaneShown(0);
    for (int pane = 0; pane < 8; ++pane)
        QCOMPARE(paneTwips(pane), QPoint(1200, 120));
    QVERIFY(m_main.action(u"mnuViewSingle"_s)->isChecked());
    QVERIFY(!m_main.action(u"mnuViewWide"_s)->isChecked());
}

void tst_MainWindowViews::listChoiceShowsThatPane()
{
    clickListItem(3);
    verifyOnlyPaneShown(3);
    // The keyboard picks too.
    QTest::keyClick(m_main.lstPane(), Qt::Key_Down);
    verifyOnlyPaneShown(4);
}

void tst_MainWindowViews::wideViewShowsAllPanesInTwoRows()
{
    clickListItem(2);
    m_main.action(u"mnuViewWide"_s)->trigger();

    QCOMPARE(m_main.clientTwips(), QSize(14100, 8790));
    QVERIFY(!m_main.lstPane()->isVisible());
    const QList<QPoint> places{{120, 120},  {3615, 120},  {7110, 120},  {10605, 120},
                               {120, 4455}, {3615, 4455}, {7110, 4455}, {10605, 4455}};
    for (int pane = 0; pane < 8; ++pane) {
        QVERIFY(m_main.fraPane(pane)->isVisible());
        QCOMPARE(paneTwips(pane), places[pane]);
        // The pane items keep their marks.
        QCOMPARE(m_main.mnuPane(pane)->isChecked(), pane == 2);
    }
    QVERIFY(!m_main.action(u"mnuViewSingle"_s)->isChecked());
    QVERIFY(m_main.action(u"mnuViewWide"_s)->isChecked());
    // The window holds exactly its client area and the menu bar.
    QCOMPARE(m_main.window()->height(),
             m_main.window()->centralWidget()->height() + m_main.window()->menuBar()->height());
}

void tst_MainWindowViews::backToSingleView()
{
    m_main.action(u"mnuViewWide"_s)->trigger();
    m_main.action(u"mnuViewSingle"_s)->trigger();
    QCOMPARE(m_main.clientTwips(), QSize(4695, 4455));
    QVERIFY(m_main.lstPane()->isVisible());
    for (int pane = 0; pane < 8; ++pane) {
        QCOMPARE(paneTwips(pane), QPoint(1200, 120));
        QCOMPARE(m_main.fraPane(pane)->isVisible(), pane == 0);
    }
}

void tst_MainWindowViews::choosingTheShownPaneChangesNothing()
{
    clickListItem(4);
    const QImage before = m_main.window()->grab().toImage();
    m_main.mnuPane(4)->trigger();
    clickListItem(4);
    verifyOnlyPaneShown(4);
    QCOMPARE(m_main.window()->grab().toImage(), before);
}

void tst_MainWindowViews::minimizeAndRestoreKeepTheView()
{
    m_main.action(u"mnuViewWide"_s)->trigger();
    m_main.chkflag(9)->setValue(flags::CheckState::Checked);
    m_main.window()->showMinimized();
    QVERIFY(m_main.window()->isMinimized());
    m_main.window()->showNormal();
    QVERIFY(!m_main.window()->isMinimized());
    QVERIFY(QTest::qWaitForWindowExposed(m_main.window()));

    QCOMPARE(m_main.clientTwips(), QSize(14100, 8790));
    QCOMPARE(paneTwips(7), QPoint(10605, 4455));
    for (int pane = 0; pane < 8; ++pane)
        QVERIFY(m_main.fraPane(pane)->isVisible());
    QCOMPARE(m_main.txtOutput()->text(), u"200"_s);
}

QTEST_MAIN(tst_MainWindowViews)
#include "tst_mainwindow_views.moc"
