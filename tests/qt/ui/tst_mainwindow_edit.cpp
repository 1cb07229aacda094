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

// The Edition menu: a value read back into the boxes from the clipboard or
// typed, Undo and Redo, and the value copied out.
class tst_MainWindowEdit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void pastedValueTicksItsFlagsAndUndoBringsThemBack();
    void undoAndRedoAreEnabledOnlyWithSomethingToDo();
    void valueTheGameReadsDifferentlyIsAsked_data();
    void valueTheGameReadsDifferentlyIsAsked();
    void refusedTextsChangeNothing_data();
    void refusedTextsChangeNothing();
    void copyPutsTheValueOnTheClipboardFromAnywhere();
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

void tst_MainWindowEdit::pastedValueTicksItsFlagsAndUndoBringsThemBack()
{
    QGuiApplication::clipboard()->setText(u"9047000"_s);
    press(Qt::Key_V);
    QCOMPARE(output(), u"9047000"_s);
    const QList<int> set{12, 13, 14, 18, 24, 27};
    for (int bit = 0; bit < 28; ++bit)
        QCOMPARE(m_main.chkflag(bit)->value(),
                 set.contains(bit) ? CheckState::Checked : CheckState::Unchecked);

    // Esc on the summary pane clears them; Ctrl+Z brings all six back.
    press(Qt::Key_Escape, Qt::NoModifier);
    QCOMPARE(output(), u"0"_s);
    press(Qt::Key_Z);
    QCOMPARE(output(), u"9047000"_s);
    press(Qt::Key_Y);
    QCOMPARE(output(), u"0"_s);
}

void tst_MainWindowEdit::undoAndRedoAreEnabledOnlyWithSomethingToDo()
{
    QAction *undo = m_main.action(u"mnuEditUndo"_s);
    QAction *redo = m_main.action(u"mnuEditRedo"_s);
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    QTest::mouseClick(m_main.lstPane()->viewport(), Qt::LeftButton, {},
                      m_main.lstPane()->visualItemRect(m_main.lstPane()->item(2)).center());
    QTest::mouseClick(m_main.chkflag(6), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(undo->isEnabled() && !redo->isEnabled());
    press(Qt::Key_Z);
    QCOMPARE(m_main.chkflag(6)->value(), CheckState::Unchecked);
    QVERIFY(!undo->isEnabled() && redo->isEnabled());
    // A disabled item's shortcut does nothing.
    press(Qt::Key_Z);
    QCOMPARE(output(), u"0"_s);
}

void tst_MainWindowEdit::valueTheGameReadsDifferentlyIsAsked_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Oui") << true << u"12"_s;
    QTest::newRow("Non") << false << u"0"_s;
}

void tst_MainWindowEdit::valueTheGameReadsDifferentlyIsAsked()
{
    QFETCH(bool, yes);
    QFETCH(QString, expected);
    QGuiApplication::clipboard()->setText(u"12G4"_s);
    QString question;
    QStringList buttons;
    const tests::ModalAnswer answer([&](QWidget *box) {
        auto *message = qobject_cast<QMessageBox *>(box);
        question = message->text();
        for (QAbstractButton *button : message->buttons())
            buttons << button->text();
        message->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    m_main.action(u"mnuEditPaste"_s)->trigger();
    QVERIFY(answer.answered());
    QVERIFY2(question.contains(u"\"12G4\""_s) && question.contains(u"Utiliser la valeur 12 ?"_s),
             qPrintable(question));
    buttons.sort();
    QCOMPARE(buttons, (QStringList{u"&Non"_s, u"&Oui"_s}));
    QCOMPARE(output(), expected);
}

void tst_MainWindowEdit::refusedTextsChangeNothing_data()
{
    QTest::addColumn<QByteArray>("mimeType");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");

    QTest::newRow("bits above the flags") << "text/plain"_ba
                                          << "10000000"_ba << u"au-delà"_s;
    QTest::newRow("10 MB") << "text/plain"_ba << QByteArray(10 * 1024 * 1024, '1')
                           << u"trop long"_s;
    QTest::newRow("binary bytes") << "text/plain"_ba
                                  << "12\x01\x02\x03"_ba << u"caractères de contrôle"_s;
    QTest::newRow("empty") << "text/plain"_ba
                           << ""_ba << u"vide"_s;
    QTest::newRow("line too short") << "text/plain"_ba
                                    << "LANDSTAL 1 2 3"_ba << u"4 champs"_s;
    QTest::newRow("image, no text") << "image/png"_ba
                                    << "\x89PNG"_ba << u"pas de texte"_s;
}

void tst_MainWindowEdit::refusedTextsChangeNothing()
{
    QFETCH(QByteArray, mimeType);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);

    QTest::mouseClick(m_main.cmdClearAll(), Qt::LeftButton);
    m_main.chkflag(9)->setValue(CheckState::Checked);
    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(mimeType), content);
    QGuiApplication::clipboard()->setMimeData(data);

    QString message;
    QString button;
    const tests::ModalAnswer answer([&](QWidget *box) {
        auto *shown = qobject_cast<QMessageBox *>(box);
        message = shown->text();
        button = shown->buttons().value(0)->text();
        shown->buttons().value(0)->click();
    });
    QElapsedTimer clock;
    clock.start();
    press(Qt::Key_V);
    QVERIFY(answer.answered());
    QVERIFY2(message.contains(reason), qPrintable(message));
    QCOMPARE(button, u"OK"_s);
    QCOMPARE(output(), u"200"_s);
    // At once, whatever the size.
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
