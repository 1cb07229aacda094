#include "core/AboutCaption.h"
#include "core/AboutWindowDefinition.h"
#include "qt/runtime/Program.h"
#include "qt/runtime/Text.h"
#include "qt/runtime/Twips.h"
#include "support/ModalAnswer.h"
#include "qt/ui/AboutWindow.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace bitloom;
using ui::AboutWindow;

// The About window on its own: caption, text, the four ways to close it, and
// a fresh start at every opening.
class tst_AboutWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void caption_data();
    void caption();
    void elevenLinesEndingInCrLf();
    void opensWithTheButtonFocusedAndTheTextFromItsStart();
    void closes_data();
    void closes();
    void secondOpeningStartsAfresh();
    void textCannotBeEdited();
    void fixedToolWindow();
    void textIsNotClipped();

private:
    std::unique_ptr<AboutWindow> m_about;
};

namespace {

QPlainTextEdit *textBox(QWidget *about)
{
    return about->findChild<QPlainTextEdit *>(u"txtAbout"_s);
}

QPushButton *button(QWidget *about)
{
    return about->findChild<QPushButton *>(u"Command1"_s);
}

} // namespace

void tst_AboutWindow::initTestCase()
{
    runtime::initializeProgram(*qobject_cast<QApplication *>(qApp));
    m_about = std::make_unique<AboutWindow>();
}

void tst_AboutWindow::caption_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("caption");

    QTest::newRow("1.0.0") << 1 << 0 << 0 << u"Bitloom 1.0 Build:  0"_s;
    QTest::newRow("2.15.7") << 2 << 15 << 7 << u"Bitloom 2.15 Build:  7"_s;
    QTest::newRow("minor 5") << 1 << 5 << 0 << u"Bitloom 1.5 Build:  0"_s;
    QTest::newRow("minor 10") << 1 << 10 << 0 << u"Bitloom 1.10 Build:  0"_s;
    QTest::newRow("largest") << 65535 << 65535 << 65535 << u"Bitloom 65535.65535 Build:  65535"_s;
}

void tst_AboutWindow::caption()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, caption);
    const core::ProgramVersion version{static_cast<std::uint16_t>(major),
                                       static_cast<std::uint16_t>(minor),
                                       static_cast<std::uint16_t>(revision)};
    QCOMPARE(QString::fromStdString(core::aboutCaption(version)), caption);
}

void tst_AboutWindow::elevenLinesEndingInCrLf()
{
    const QString text = runtime::toQString(core::aboutWindow::aboutText);
    QVERIFY(text.endsWith(u"\r\n"_s));
    QStringList lines = text.split(u"\r\n"_s);
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.size(), 11);
    for (const QString &line : lines)
        QVERIFY(!line.contains(u'\r') && !line.contains(u'\n'));

    QCOMPARE(lines[0], u"Bitloom"_s);
    QCOMPARE(lines[1], QString());
    QCOMPARE(lines[2], u"Un utilitaire pour facilement créer les données "_s);
    QCOMPARE(lines[3], u"hexadécimales pour utiliser les fonctions spéciales "_s);
    QCOMPARE(lines[4], u"dans le handling.CFG."_s);
    QCOMPARE(lines[5], QString());
    QCOMPARE(lines[8], QString());
    for (int credit : {6, 9}) {
        QVERIFY(lines[credit].endsWith(u"2004"_s));
        QVERIFY(lines[credit + 1].startsWith(u'(') && lines[credit + 1].endsWith(u')'));
        QVERIFY(lines[credit + 1].contains(u".example."_s));
    }
}

void tst_AboutWindow::opensWithTheButtonFocusedAndTheTextFromItsStart()
{
    QString title;
    QWidget *focus = nullptr;
    QString shownText;
    const tests::ModalAnswer answer1([&](QWidget *about) {
        title = about->windowTitle();
        focus = about->focusWidget();
        shownText = textBox(about)->toPlainText();
        button(about)->click();
    });
    m_about->showModal();
    QCOMPARE(title, u"Bitloom 1.0 Build:  0"_s);
    QCOMPARE(focus, button(m_about.get()));
    QString expected = runtime::toQString(core::aboutWindow::aboutText);
    expected.replace(u"\r\n"_s, u"\n"_s);
    QCOMPARE(shownText, expected);
}

void tst_AboutWindow::closes_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("button") << u"button"_s;
    QTest::newRow("enter") << u"enter"_s;
    QTest::newRow("escape") << u"escape"_s;
    QTest::newRow("close box") << u"close"_s;
    QTest::newRow("enter in the text") << u"enter in text"_s;
    QTest::newRow("alt+f") << u"alt+f"_s;
}

void tst_AboutWindow::closes()
{
    QFETCH(QString, way);
    bool closed = false;
    const tests::ModalAnswer answer2([way, &closed](QWidget *about) {
        if (way == u"button")
            QTest::mouseClick(button(about), Qt::LeftButton);
        else if (way == u"enter")
            QTest::keyClick(about->focusWidget(), Qt::Key_Return);
        else if (way == u"escape")
            QTest::keyClick(about->focusWidget(), Qt::Key_Escape);
        else if (way == u"close")
            about->close();
        else if (way == u"enter in text") {
            textBox(about)->setFocus();
            QTest::keyClick(textBox(about), Qt::Key_Return);
        } else
            QTest::keyClick(about, Qt::Key_F, Qt::AltModifier);
        // An access key presses the button with a short animation.
        closed = QTest::qWaitFor([about] { return !about->isVisible(); }, 1000);
        // A way that fails to close would leave the window open for good.
        if (!closed)
            qobject_cast<QDialog *>(about)->reject();
    });
    m_about->showModal();
    QVERIFY(closed);
}

void tst_AboutWindow::secondOpeningStartsAfresh()
{
    const tests::ModalAnswer answer3([](QWidget *about) {
        QPlainTextEdit *text = textBox(about);
        text->setFocus();
        QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_Home, Qt::ShiftModifier);
        about->setWindowTitle(u"changed"_s);
        about->close();
    });
    m_about->showModal();

    QString title;
    int position = -1;
    bool selection = true;
    int scroll = -1;
    QWidget *focus = nullptr;
    const tests::ModalAnswer answer4([&](QWidget *about) {
        QPlainTextEdit *text = textBox(about);
        title = about->windowTitle();
        position = text->textCursor().position();
        selection = text->textCursor().hasSelection();
        scroll = text->verticalScrollBar()->value();
        focus = about->focusWidget();
        about->close();
    });
    m_about->showModal();
    QCOMPARE(title, u"Bitloom 1.0 Build:  0"_s);
    QCOMPARE(position, 0);
    QVERIFY(!selection);
    QCOMPARE(scroll, 0);
    QCOMPARE(focus, button(m_about.get()));
}

void tst_AboutWindow::textCannotBeEdited()
{
    QString before, after, copied;
    const tests::ModalAnswer answer5([&](QWidget *about) {
        QPlainTextEdit *text = textBox(about);
        before = text->toPlainText();
        text->setFocus();
        QGuiApplication::clipboard()->setText(u"collé"_s);
        QTest::keyClicks(text, u"abc"_s);
        QTest::keyClick(text, Qt::Key_Backspace);
        QTest::keyClick(text, Qt::Key_Delete);
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        copied = QGuiApplication::clipboard()->text();
        after = text->toPlainText();
        about->close();
    });
    m_about->showModal();
    QCOMPARE(after, before);
    QCOMPARE(copied, before);
}

void tst_AboutWindow::fixedToolWindow()
{
    const Qt::WindowFlags flags = m_about->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_about->minimumSize(), m_about->maximumSize());
    QCOMPARE(m_about->size(), runtime::toPixels(bitloom::core::TwipsSize{4095, 3000}));
    QCOMPARE(runtime::toTwips(button(m_about.get())->geometry()),
             (core::TwipsRect{1200, 2520, 1695, 375}));
    QCOMPARE(runtime::toTwips(textBox(m_about.get())->geometry()),
             (core::TwipsRect{120, 120, 3855, 2295}));
    QCOMPARE(button(m_about.get())->text(), u"&Fermer"_s);
    QVERIFY(button(m_about.get())->isDefault());
    QCOMPARE(textBox(m_about.get())->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(textBox(m_about.get())->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

void tst_AboutWindow::textIsNotClipped()
{
    int documentHeight = 0;
    int viewportHeight = 0;
    const tests::ModalAnswer answer6([&](QWidget *about) {
        QPlainTextEdit *text = textBox(about);
        // Every line laid out, wrapped lines included, must fit the box.
        const QFontMetrics metrics(text->font());
        documentHeight = static_cast<int>(text->document()->size().height()) * metrics.lineSpacing()
                         + 2 * static_cast<int>(text->document()->documentMargin());
        viewportHeight = text->viewport()->height();
        about->close();
    });
    m_about->showModal();
    QVERIFY2(documentHeight <= viewportHeight, qPrintable(QString::number(documentHeight) % u" > "_s
                                                          % QString::number(viewportHeight)));
}

QTEST_MAIN(tst_AboutWindow)
#include "tst_aboutwindow.moc"
