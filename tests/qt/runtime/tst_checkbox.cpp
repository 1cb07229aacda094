#include "qt/runtime/CheckBox.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using bitloom::flags::CheckState;
using bitloom::runtime::CheckBox;

class tst_CheckBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void userClickRaisesClick();
    void programChangeRaisesClick();
    void settingTheSameValueRaisesNothing();
    void grayedIsForTheProgramOnly();
};

void tst_CheckBox::userClickRaisesClick()
{
    CheckBox box(u"IS_BUS"_s);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy clicks(&box, &CheckBox::clickEvent);

    QTest::mouseClick(&box, Qt::LeftButton, {}, box.rect().center());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(box.value(), CheckState::Checked);

    QTest::keyClick(&box, Qt::Key_Space);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(box.value(), CheckState::Unchecked);
}

void tst_CheckBox::programChangeRaisesClick()
{
    CheckBox box(u"IS_BUS"_s);
    QSignalSpy clicks(&box, &CheckBox::clickEvent);

    box.setValue(CheckState::Checked);
    QCOMPARE(clicks.count(), 1);
    box.setValue(CheckState::Unchecked);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(box.value(), CheckState::Unchecked);
}

void tst_CheckBox::settingTheSameValueRaisesNothing()
{
    CheckBox box(u"IS_BUS"_s);
    QSignalSpy clicks(&box, &CheckBox::clickEvent);

    box.setValue(CheckState::Unchecked);
    QCOMPARE(clicks.count(), 0);
    box.setValue(CheckState::Checked);
    box.setValue(CheckState::Checked);
    QCOMPARE(clicks.count(), 1);
}

void tst_CheckBox::grayedIsForTheProgramOnly()
{
    CheckBox box(u"IS_BUS"_s);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    box.setValue(CheckState::Grayed);
    QCOMPARE(box.value(), CheckState::Grayed);
    // A user click from grayed checks the box; the next one clears it, never
    // coming back to grayed.
    QTest::keyClick(&box, Qt::Key_Space);
    QCOMPARE(box.value(), CheckState::Checked);
    QTest::keyClick(&box, Qt::Key_Space);
    QCOMPARE(box.value(), CheckState::Unchecked);
    QTest::keyClick(&box, Qt::Key_Space);
    QCOMPARE(box.value(), CheckState::Checked);
}

QTEST_MAIN(tst_CheckBox)
#include "tst_checkbox.moc"
