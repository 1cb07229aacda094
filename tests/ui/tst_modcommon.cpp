#include "runtime/CheckBox.h"
#include "ui/modCommon.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <numeric>
#include <vector>

using namespace Qt::StringLiterals;

using bitloom::flags::CheckState;
using bitloom::runtime::CheckBox;
using namespace bitloom::ui;

// The shared operations, on controls of their own: 28 boxes wired to
// recompute like the main window's, an output box, eight panes and items.
class tst_modCommon : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void recomputeReadsEveryBox_data();
    void recomputeReadsEveryBox();
    void grayedCountsAsClear();
    void resetRaisesOneClickPerChangedBox();
    void resetWithNothingSetRaisesNothing();

    void selectPaneShowsOnlyTheChoice_data();
    void selectPaneShowsOnlyTheChoice();
    void noChoiceShowsAndChecksTheSummary();
    void outOfRangeHidesEverything();

private:
    std::unique_ptr<QWidget> m_host;
    modCommon::FlagBoxes m_boxes{};
    QLineEdit *m_output = nullptr;
    modCommon::Panes m_panes{};
    modCommon::PaneItems m_items{};
    int m_recomputes = 0;
};

void tst_modCommon::init()
{
    m_host = std::make_unique<QWidget>();
    m_output = new QLineEdit(u"0"_s, m_host.get());
    m_recomputes = 0;
    for (auto &box : m_boxes) {
        box = new CheckBox(QString(), m_host.get());
        connect(box, &CheckBox::clickEvent, this, [this] {
            ++m_recomputes;
            modCommon::recompute(m_boxes, *m_output);
        });
    }
    for (std::size_t pane = 0; pane < m_panes.size(); ++pane) {
        m_panes[pane] = new QWidget(m_host.get());
        m_panes[pane]->setVisible(pane == 0);
        m_items[pane] = new QAction(m_host.get());
        m_items[pane]->setCheckable(true);
        m_items[pane]->setChecked(pane == 0);
    }
    m_host->show();
}

void tst_modCommon::cleanup()
{
    m_host.reset();
}

void tst_modCommon::recomputeReadsEveryBox_data()
{
    QTest::addColumn<QList<int>>("checked");
    QTest::addColumn<QString>("text");

    QList<int> all(28);
    std::iota(all.begin(), all.end(), 0);
    QTest::newRow("flag 0") << QList<int>{0} << u"1"_s;
    QTest::newRow("flags 0 to 3") << QList<int>{0, 1, 2, 3} << u"F"_s;
    QTest::newRow("then flag 4") << QList<int>{0, 1, 2, 3, 4} << u"1F"_s;
    QTest::newRow("flag 27") << QList<int>{27} << u"8000000"_s;
    QTest::newRow("digit 7") << QList<int>{24, 25, 26, 27} << u"F000000"_s;
    QTest::newRow("all") << all << u"FFFFFFF"_s;
}

void tst_modCommon::recomputeReadsEveryBox()
{
    QFETCH(QList<int>, checked);
    QFETCH(QString, text);

    for (int bit : checked)
        m_boxes[static_cast<std::size_t>(bit)]->setValue(CheckState::Checked);
    QCOMPARE(m_output->text(), text);
    QCOMPARE(m_recomputes, checked.size());

    // Clearing them one by one ends at "0".
    for (int bit : checked)
        m_boxes[static_cast<std::size_t>(bit)]->setValue(CheckState::Unchecked);
    QCOMPARE(m_output->text(), u"0"_s);
}

void tst_modCommon::grayedCountsAsClear()
{
    m_boxes[4]->setValue(CheckState::Checked);
    m_boxes[5]->setValue(CheckState::Grayed);
    QCOMPARE(m_output->text(), u"10"_s);
}

void tst_modCommon::resetRaisesOneClickPerChangedBox()
{
    for (std::size_t bit : {2u, 13u, 27u})
        m_boxes[bit]->setValue(CheckState::Checked);
    QCOMPARE(m_output->text(), u"8002004"_s);
    m_recomputes = 0;

    modCommon::resetFlags(m_boxes);
    QCOMPARE(m_recomputes, 3);
    QCOMPARE(m_output->text(), u"0"_s);
    for (CheckBox *box : m_boxes)
        QCOMPARE(box->value(), CheckState::Unchecked);
}

void tst_modCommon::resetWithNothingSetRaisesNothing()
{
    m_output->setText(u"unchanged"_s);
    modCommon::resetFlags(m_boxes);
    QCOMPARE(m_recomputes, 0);
    QCOMPARE(m_output->text(), u"unchanged"_s);
}

void tst_modCommon::selectPaneShowsOnlyTheChoice_data()
{
    QTest::addColumn<int>("pane");
    for (int pane = 0; pane < paneCount; ++pane)
        QTest::addRow("pane %d", pane) << pane;
}

void tst_modCommon::selectPaneShowsOnlyTheChoice()
{
    QFETCH(int, pane);
    for (int twice = 0; twice < 2; ++twice) {
        modCommon::selectPane(paneIndex(pane), m_panes, m_items);
        for (int other = 0; other < paneCount; ++other) {
            QCOMPARE(m_panes[static_cast<std::size_t>(other)]->isVisible(), other == pane);
            QCOMPARE(m_items[static_cast<std::size_t>(other)]->isChecked(), other == pane);
        }
    }
}

void tst_modCommon::noChoiceShowsAndChecksTheSummary()
{
    modCommon::selectPane(paneIndex(3), m_panes, m_items);
    modCommon::selectPane(PaneIndex::None, m_panes, m_items);
    // The menu checks the summary that shows; the other panes keep their
    // visibility.
    for (int pane = 0; pane < paneCount; ++pane) {
        QCOMPARE(m_panes[static_cast<std::size_t>(pane)]->isVisible(), pane == 0 || pane == 3);
        QCOMPARE(m_items[static_cast<std::size_t>(pane)]->isChecked(), pane == 0);
    }
}

void tst_modCommon::outOfRangeHidesEverything()
{
    modCommon::selectPane(paneIndex(8), m_panes, m_items);
    for (std::size_t pane = 0; pane < m_panes.size(); ++pane) {
        QVERIFY(!m_panes[pane]->isVisible());
        QVERIFY(!m_items[pane]->isChecked());
    }
}

QTEST_MAIN(tst_modCommon)
#include "tst_modcommon.moc"
