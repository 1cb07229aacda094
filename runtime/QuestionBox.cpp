#include "QuestionBox.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace bitloom::runtime {

QuestionBox::QuestionBox(const QString &message, const QString &title, QWidget *parent)
    : QMessageBox(QMessageBox::Question, title, message, QMessageBox::Yes | QMessageBox::No, parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setDefaultButton(QMessageBox::Yes);
}

Answer QuestionBox::ask(const QString &message, const QString &title, QWidget *parent)
{
    QuestionBox box(message, title, parent);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QuestionBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void QuestionBox::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

} // namespace bitloom::runtime
