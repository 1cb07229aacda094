#include "qt/runtime/Program.h"
#include "qt/runtime/QuestionBox.h"
#include "support/ModalAnswer.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

using bitloom::runtime::Answer;
using bitloom::runtime::QuestionBox;
using bitloom::tests::ModalAnswer;

class tst_QuestionBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void answers_data();
    void answers();
    void enterAnswersYes();
    void looksLikeAFrenchQuestion();
    void escapeAndCloseDoNothing();
    void wideEnoughForItsTitle_data();
    void wideEnoughForItsTitle();
    void shortTitleLeavesTheSizeAlone();
};

namespace {

QAbstractButton *button(QWidget *box, QMessageBox::StandardButton which)
{
    return qobject_cast<QMessageBox *>(box)->button(which);
}

// The size of the box as shown, answered No.
QSize shownSize(const QString &message, const QString &title)
{
    QSize size;
    const ModalAnswer answer([&](QWidget *box) {
        size = box->size();
        button(box, QMessageBox::No)->click();
    });
    QuestionBox::ask(message, title);
    return size;
}

} // namespace

void tst_QuestionBox::initTestCase()
{
    bitloom::runtime::initializeProgram(*qobject_cast<QApplication *>(qApp));
}

void tst_QuestionBox::answers_data()
{
    QTest::addColumn<int>("pressed");
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("no") << int(QMessageBox::No) << false;
}

void tst_QuestionBox::answers()
{
    QFETCH(int, pressed);
    QFETCH(bool, yes);
    const ModalAnswer answer([pressed](QWidget *box) {
        QTest::mouseClick(button(box, QMessageBox::StandardButton(pressed)), Qt::LeftButton);
    });
    QCOMPARE(QuestionBox::ask(u"Question ?"_s, u"Titre"_s), yes ? Answer::Yes : Answer::No);
}

void tst_QuestionBox::enterAnswersYes()
{
    bool yesByDefault = false;
    const ModalAnswer answer2([&](QWidget *shown) {
        auto *box = qobject_cast<QMessageBox *>(shown);
        yesByDefault = box->defaultButton() == box->button(QMessageBox::Yes);
        QTest::keyClick(box, Qt::Key_Return);
        // Should Enter answer nothing, No ends the box and fails the answer.
        if (box->isVisible())
            box->button(QMessageBox::No)->click();
    });
    QCOMPARE(QuestionBox::ask(u"Question ?"_s, u"Titre"_s), Answer::Yes);
    QVERIFY(yesByDefault);
}

void tst_QuestionBox::looksLikeAFrenchQuestion()
{
    QString title, text, yes, no;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool closeBox = true;
    const ModalAnswer answer3([&](QWidget *shown) {
        auto *box = qobject_cast<QMessageBox *>(shown);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        yes = box->button(QMessageBox::Yes)->text().remove(u'&');
        no = box->button(QMessageBox::No)->text().remove(u'&');
        closeBox = box->windowFlags().testFlag(Qt::WindowCloseButtonHint);
        box->button(QMessageBox::No)->click();
    });
    QuestionBox::ask(u"Vous êtes sûr ?"_s, u"Confirmation"_s);
    QCOMPARE(title, u"Confirmation"_s);
    QCOMPARE(text, u"Vous êtes sûr ?"_s);
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(yes, u"Oui"_s);
    QCOMPARE(no, u"Non"_s);
    QVERIFY(!closeBox);
}

void tst_QuestionBox::escapeAndCloseDoNothing()
{
    bool openAfterEscape = false;
    bool openAfterClose = false;
    const ModalAnswer answer4([&](QWidget *box) {
        QTest::keyClick(box, Qt::Key_Escape);
        openAfterEscape = box->isVisible();
        box->close();
        openAfterClose = box->isVisible();
        button(box, QMessageBox::Yes)->click();
    });
    QCOMPARE(QuestionBox::ask(u"Question ?"_s, u"Titre"_s), Answer::Yes);
    QVERIFY(openAfterEscape);
    QVERIFY(openAfterClose);
}

void tst_QuestionBox::wideEnoughForItsTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("quit") << u"Confirmation pour Quitter?"_s;
    QTest::newRow("long") << u"Une question dont le titre est bien plus long que son message ?"_s;
}

// Title bars draw bold, larger fonts than dialogs, beside an icon and buttons:
// the box has room for its title in a bold 11-point font, the largest common
// default, and a hundred pixels more for the icon and three buttons.
void tst_QuestionBox::wideEnoughForItsTitle()
{
    QFETCH(QString, title);
    const int width = shownSize(u"Vous êtes sûr ?"_s, title).width();
    for (const QString &family : {u"DejaVu Sans"_s, u"Liberation Sans"_s}) {
        QFont font(family, 11, QFont::Bold);
        const int needed = QFontMetrics(font).horizontalAdvance(title) + 100;
        QVERIFY2(width >= needed, qPrintable(family % u": "_s % QString::number(width) % u" < "_s
                                             % QString::number(needed)));
    }
}

// A title shorter than the message changes nothing: the box keeps the size
// Qt gives it.
void tst_QuestionBox::shortTitleLeavesTheSizeAlone()
{
    const QString message = u"Une question bien plus longue que son titre, sur une seule ligne ?"_s;
    QMessageBox plain(QMessageBox::Question, u"T"_s, message, QMessageBox::Yes | QMessageBox::No);
    plain.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plain));
    QCOMPARE(shownSize(message, u"T"_s), plain.size());
}

QTEST_MAIN(tst_QuestionBox)
#include "tst_questionbox.moc"
