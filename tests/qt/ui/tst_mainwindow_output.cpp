#include "support/MainWindowFixture.h"

#include <QClipboard>
#include <QMimeData>

using namespace Qt::StringLiterals;

using namespace bitloom;

// The program's main road: ticking flags shows the value; the output box
// hands it over by copy and takes nothing in.
class tst_MainWindowOutput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void clicksShowTheValue();
    void resetFromButtonAndMenuAlike_data();
    void resetFromButtonAndMenuAlike();
    void outputCanBeSelectedAndCopied();
    void outputRefusesEveryEdit_data();
    void outputRefusesEveryEdit();
    void outputRefusesDrops();

private:
    void click(int bit);

    tests::MainWindowFixture m_main;
};

void tst_MainWindowOutput::click(int bit)
{
    runtime::CheckBox *box = m_main.chkflag(bit);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

void tst_MainWindowOutput::initTestCase()
{
    QVERIFY(m_main.start());
}

void tst_MainWindowOutput::init()
{
    m_main.reset();
    m_main.action(u"mnuViewWide"_s)->trigger();
}

void tst_MainWindowOutput::clicksShowTheValue()
{
    QCOMPARE(m_main.txtOutput()->text(), u"0"_s);
    for (int bit : {0, 1, 2, 3})
        click(bit);
    QCOMPARE(m_main.txtOutput()->text(), u"F"_s);
    click(4);
    QCOMPARE(m_main.txtOutput()->text(), u"1F"_s);
    click(27);
    QCOMPARE(m_main.txtOutput()->text(), u"800001F"_s);
    for (int bit : {0, 1, 2, 3, 4, 27})
        click(bit);
    QCOMPARE(m_main.txtOutput()->text(), u"0"_s);
}

void tst_MainWindowOutput::resetFromButtonAndMenuAlike_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("button") << false;
    QTest::newRow("menu") << true;
}

void tst_MainWindowOutput::resetFromButtonAndMenuAlike()
{
    QFETCH(bool, fromMenu);
    for (int bit : {5, 16, 26})
        click(bit);
    QCOMPARE(m_main.txtOutput()->text(), u"4010020"_s);

    if (fromMenu)
        m_main.action(u"mnuFileClear"_s)->trigger();
    else
        QTest::mouseClick(m_main.cmdClearAll(), Qt::LeftButton);

    QCOMPARE(m_main.txtOutput()->text(), u"0"_s);
    for (int bit = 0; bit < 28; ++bit)
        QCOMPARE(m_main.chkflag(bit)->value(), flags::CheckState::Unchecked);
}

void tst_MainWindowOutput::outputCanBeSelectedAndCopied()
{
    click(27);
    QLineEdit *output = m_main.txtOutput();
    output->setFocus();
    QTest::keyClick(output, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(output->selectedText(), u"8000000"_s);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(output, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"8000000"_s);
}

void tst_MainWindowOutput::outputRefusesEveryEdit_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("typing") << int(Qt::Key_5) << int(Qt::NoModifier);
    QTest::newRow("paste") << int(Qt::Key_V) << int(Qt::ControlModifier);
    QTest::newRow("shift insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
    QTest::newRow("delete") << int(Qt::Key_Delete) << int(Qt::NoModifier);
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier);
    QTest::newRow("cut") << int(Qt::Key_X) << int(Qt::ControlModifier);
    QTest::newRow("undo") << int(Qt::Key_Z) << int(Qt::ControlModifier);
}

void tst_MainWindowOutput::outputRefusesEveryEdit()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);

    click(6);
    QLineEdit *output = m_main.txtOutput();
    output->setFocus();
    QGuiApplication::clipboard()->setText(u"ABC"_s);
    QTest::keyClick(output, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(output, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTest::keyClick(output, Qt::Key_End);
    QTest::keyClick(output, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(output->text(), u"40"_s);
}

void tst_MainWindowOutput::outputRefusesDrops()
{
    QLineEdit *output = m_main.txtOutput();
    QMimeData data;
    data.setText(u"FFFF"_s);
    const QPointF at = output->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(output, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(output, &drop);
    QVERIFY(!drop.isAccepted());
    QCOMPARE(output->text(), u"0"_s);
}

QTEST_MAIN(tst_MainWindowOutput)
#include "tst_mainwindow_output.moc"
