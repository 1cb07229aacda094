#include "support/MainWindowFixture.h"
#include "support/ModalAnswer.h"

#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>

using namespace Qt::StringLiterals;

using namespace bitloom;
using flags::CheckState;

// The Edition menu's wiring: its shortcuts and items reach the shared
// behaviour, and what it answers reaches the boxes, the output, the items,
// the clipboard, the question and message boxes and the value window. What
// each command does is tested once, in tests/core.
class tst_MainWindowEdit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void shortcutsReachTheirCommands();
    void questionCarriesTheMessageAndTheAnswer_data();
    void questionCarriesTheMessageAndTheAnswer();
    void refusalIsShownAtOnce_data();
    void refusalIsShownAtOnce();
    void copyPutsTheValueOnTheClipboardFromAnywhere();
    void copyLineGivesThePastedLineBack();
    void valueWindowReadsTheTypedValue();

private:
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier);
    QString output() const { return m_main.txtOutput()->text(); }

    tests::MainWindowFixture m_main;
};

void tst_MainWindowEdit::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : m_main.window(), key, modifiers);
}

void tst_MainWindowEdit::initTestCase()
{
    QVERIFY(m_main.start());
}

void tst_MainWindowEdit::init()
{
    m_main.reset();
}

void tst_MainWindowEdit::shortcutsReachTheirCommands()
{
    QAction *undo = m_main.action(u"mnuEditUndo"_s);
    QAction *redo = m_main.action(u"mnuEditRedo"_s);
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    QGuiApplication::clipboard()->setText(u"9047000"_s);
    press(Qt::Key_V);
    QCOMPARE(output(), u"9047000"_s);
    QCOMPARE(m_main.chkflag(27)->value(), CheckState::Checked);
    QVERIFY(undo->isEnabled() && !redo->isEnabled());

    // Esc on the summary pane clears the boxes; Ctrl+Z brings all six back.
    press(Qt::Key_Escape, Qt::NoModifier);
    press(Qt::Key_Z);
    QCOMPARE(output(), u"9047000"_s);
    QVERIFY(redo->isEnabled());
    press(Qt::Key_Y);
    QCOMPARE(output(), u"0"_s);
}

void tst_MainWindowEdit::questionCarriesTheMessageAndTheAnswer_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Oui") << true << u"12"_s;
    QTest::newRow("Non") << false << u"0"_s;
}

void tst_MainWindowEdit::questionCarriesTheMessageAndTheAnswer()
{
    QFETCH(bool, yes);
    QFETCH(QString, expected);
    QGuiApplication::clipboard()->setText(u"12G4"_s);
    QString question;
    const tests::ModalAnswer answer([&](QWidget *box) {
        auto *message = qobject_cast<QMessageBox *>(box);
        question = message->text();
        message->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    m_main.action(u"mnuEditPaste"_s)->trigger();
    QVERIFY(answer.answered());
    QVERIFY2(question.contains(u"\"12G4\""_s) && question.contains(u"Utiliser la valeur 12 ?"_s),
             qPrintable(question));
    QCOMPARE(output(), expected);
}

// A clipboard without text, and one too long to read: each said in a
// warning with its reason, the boxes left as they were, at once.
void tst_MainWindowEdit::refusalIsShownAtOnce_data()
{
    QTest::addColumn<QByteArray>("mimeType");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("10 MB") << "text/plain"_ba << QByteArray(10 * 1024 * 1024, '1')
                           << u"trop long"_s;
    QTest::newRow("image, no text") << "image/png"_ba
                                    << "\x89PNG"_ba << u"pas de texte"_s;
}

void tst_MainWindowEdit::refusalIsShownAtOnce()
{
    QFETCH(QByteArray, mimeType);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);

    m_main.chkflag(9)->setValue(CheckState::Checked);
    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(mimeType), content);
    QGuiApplication::clipboard()->setMimeData(data);

    QString message;
    const tests::ModalAnswer answer([&](QWidget *box) {
        auto *shown = qobject_cast<QMessageBox *>(box);
        message = shown->text();
        shown->buttons().value(0)->click();
    });
    QElapsedTimer clock;
    clock.start();
    press(Qt::Key_V);
    QVERIFY(answer.answered());
    QVERIFY2(message.contains(reason), qPrintable(message));
    QCOMPARE(output(), u"200"_s);
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
}

void tst_MainWindowEdit::copyPutsTheValueOnTheClipboardFromAnywhere()
{
    m_main.chkflag(27)->setValue(CheckState::Checked);
    m_main.lstPane()->setFocus();
    QGuiApplication::clipboard()->clear();
    press(Qt::Key_C);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"8000000"_s);

    // Inside the output box, Ctrl+C copies its selection, as it always did.
    QLineEdit *box = m_main.txtOutput();
    box->setFocus();
    box->setSelection(0, 2);
    press(Qt::Key_C);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"80"_s);
}

// Ctrl+Maj+C reaches the command; its item shows the caption, the state and
// the tooltip the behaviour gives it.
void tst_MainWindowEdit::copyLineGivesThePastedLineBack()
{
    QAction *item = m_main.action(u"mnuEditCopyLine"_s);
    QGuiApplication::clipboard()->setText(u"9047000"_s);
    press(Qt::Key_V);
    QVERIFY(!item->isEnabled());
    QCOMPARE(item->text(), u"Copier la &ligne"_s);

    const QString fields
        = u"LANDSTAL 1700.0 5.0 4.0 2.2 0.0 0.0 -0.2 85 0.8\t0.75 0.5 5 160.0 25.0 4 "
          "D 6.2 0.60 0 35.0 1.4 0.15 0.0 0.5 25000 0.25 -0.20 0.5 1.0 "_s;
    QGuiApplication::clipboard()->setText(fields + u"0x0C0 1 1"_s);
    press(Qt::Key_V);
    QVERIFY(item->isEnabled());
    QCOMPARE(item->text(), u"Copier la &ligne de LANDSTAL"_s);
    m_main.chkflag(5)->click(); // IS_VAN
    m_main.lstPane()->setFocus();
    press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), fields + u"0x0E0 1 1"_s);

    // The reason a line is not given back is its tooltip.
    QGuiApplication::clipboard()->setText(u"banshee"_s + fields.mid(8) + u"0 1 1"_s);
    const tests::ModalAnswer answer(
        [](QWidget *box) { qobject_cast<QMessageBox *>(box)->buttons().value(0)->click(); });
    press(Qt::Key_V);
    QVERIFY(answer.answered()); // the message that says so
    QVERIFY(!item->isEnabled());
    QVERIFY(item->toolTip().startsWith(u"erreur : banshee : "_s));
}

void tst_MainWindowEdit::valueWindowReadsTheTypedValue()
{
    QString title;
    QStringList texts;
    bool textsFit = true;
    const tests::ModalAnswer typed([&](QWidget *window) {
        title = window->windowTitle();
        for (auto *label : window->findChildren<QLabel *>()) {
            texts << label->text();
            const QString shown = QString(label->text()).remove(u'&');
            textsFit = textsFit
                       && QFontMetrics(label->font()).horizontalAdvance(shown) <= label->width();
        }
        for (auto *button : window->findChildren<QPushButton *>())
            texts << button->text();
        QTest::keyClicks(window->focusWidget(), u"0x2180"_s);
        QTest::keyClick(window->focusWidget(), Qt::Key_Return);
    });
    m_main.action(u"mnuEditType"_s)->trigger();
    QVERIFY(typed.answered());
    QCOMPARE(title, u"Saisir une valeur"_s);
    QVERIFY(textsFit);
    QVERIFY(texts.contains(u"OK"_s) && texts.contains(u"Annuler"_s));
    QCOMPARE(output(), u"2180"_s);

    // Opened again, the line is empty: nothing of the last value is left.
    QString shownAtOpening = u"?"_s;
    const tests::ModalAnswer cancelled([&shownAtOpening](QWidget *window) {
        shownAtOpening = window->findChild<QLineEdit *>(u"txtValue"_s)->text();
        QTest::keyClicks(window->focusWidget(), u"FF"_s);
        QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
    });
    m_main.action(u"mnuEditType"_s)->trigger();
    QVERIFY(cancelled.answered());
    QCOMPARE(shownAtOpening, QString());
    QCOMPARE(output(), u"2180"_s);
}

QTEST_MAIN(tst_MainWindowEdit)
#include "tst_mainwindow_edit.moc"
