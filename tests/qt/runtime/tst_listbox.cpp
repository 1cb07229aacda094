#include "qt/runtime/ListBox.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using bitloom::runtime::ListBox;

class tst_ListBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsWithNothingSelected();
    void everyPickRaisesOneClick();
    void keyboardPicksRaiseClicks();
    void dragWithTheLeftButtonFollowsThePointer();
    void clickOutsideTheItemsRaisesNothing();
    void choiceCannotBeEmptied();
    void rightClickPicksNothing();

private:
    void clickRow(int row);

    std::unique_ptr<ListBox> m_list;
};

void tst_ListBox::clickRow(int row)
{
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {},
                      m_list->visualItemRect(m_list->item(row)).center());
}

void tst_ListBox::init()
{
    m_list = std::make_unique<ListBox>();
    m_list->addItems({u"zéro"_s, u"un"_s, u"deux"_s});
    m_list->resize(100, 200);
    m_list->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
}

void tst_ListBox::cleanup()
{
    m_list.reset();
}

void tst_ListBox::startsWithNothingSelected()
{
    QCOMPARE(m_list->listIndex(), -1);
    // Taking the focus moves the current row, but selects nothing.
    m_list->setFocus();
    QCOMPARE(m_list->listIndex(), -1);
}

void tst_ListBox::everyPickRaisesOneClick()
{
    QSignalSpy clicks(m_list.get(), &ListBox::clickEvent);
    clickRow(1);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(m_list->listIndex(), 1);
    clickRow(2);
    QCOMPARE(clicks.count(), 2);
    // The same item again is a pick too.
    clickRow(2);
    QCOMPARE(clicks.count(), 3);
    QCOMPARE(m_list->listIndex(), 2);
}

void tst_ListBox::keyboardPicksRaiseClicks()
{
    QSignalSpy clicks(m_list.get(), &ListBox::clickEvent);
    clickRow(0);
    QTest::keyClick(m_list.get(), Qt::Key_Down);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(m_list->listIndex(), 1);
    QTest::keyClick(m_list.get(), Qt::Key_End);
    QCOMPARE(m_list->listIndex(), 2);
    QCOMPARE(clicks.count(), 3);
}

void tst_ListBox::dragWithTheLeftButtonFollowsThePointer()
{
    const auto centre = [this](int row) {
        return m_list->visualItemRect(m_list->item(row)).center();
    };
    QSignalSpy clicks(m_list.get(), &ListBox::clickEvent);
    QTest::mousePress(m_list->viewport(), Qt::LeftButton, {}, centre(0));
    QTest::mouseMove(m_list->viewport(), centre(2));
    QCOMPARE(m_list->listIndex(), 2);
    QTest::mouseRelease(m_list->viewport(), Qt::LeftButton, {}, centre(2));
    QCOMPARE(m_list->listIndex(), 2);
    QCOMPARE(clicks.count(), 2);
}

void tst_ListBox::clickOutsideTheItemsRaisesNothing()
{
    clickRow(1);
    QSignalSpy clicks(m_list.get(), &ListBox::clickEvent);
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, QPoint(10, 190));
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(m_list->listIndex(), 1);
}

void tst_ListBox::choiceCannotBeEmptied()
{
    clickRow(1);
    QSignalSpy clicks(m_list.get(), &ListBox::clickEvent);
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      m_list->visualItemRect(m_list->item(1)).center());
    QCOMPARE(m_list->listIndex(), 1);
    QTest::keyClick(m_list.get(), Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(m_list->listIndex(), 1);
    // Ctrl+click on another item is a plain pick.
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      m_list->visualItemRect(m_list->item(2)).center());
    QCOMPARE(m_list->listIndex(), 2);
    QCOMPARE(m_list->selectedItems().size(), 1);
}

void tst_ListBox::rightClickPicksNothing()
{
    clickRow(0);
    QSignalSpy clicks(m_list.get(), &ListBox::clickEvent);
    QTest::mouseClick(m_list->viewport(), Qt::RightButton, {},
                      m_list->visualItemRect(m_list->item(2)).center());
    QCOMPARE(m_list->listIndex(), 0);
    QCOMPARE(clicks.count(), 0);
}

QTEST_MAIN(tst_ListBox)
#include "tst_listbox.moc"
