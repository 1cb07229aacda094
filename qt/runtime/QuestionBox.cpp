#include "QuestionBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>

#include <algorithm>

namespace bitloom::runtime {

namespace {

// The window manager draws the title in a font of its own, often bold and
// larger than the dialog font, beside an icon and up to three buttons. This is
// a generous guess at the room it needs: bold, 12 points (more than any common
// desktop's default), in the wider of the desktop's title font and the dialog
// font, beside four square buttons as tall as the bar, a line and a half.
constexpr int titleBarPointSize = 12;
constexpr int titleBarButtons = 4;

int titleBarWidth(const QString &title)
{
    int textWidth = 0;
    int lineHeight = 0;
    for (QFont font : {QFontDatabase::systemFont(QFontDatabase::TitleFont), QApplication::font()}) {
        font.setBold(true);
        font.setPointSize(std::max(font.pointSize(), titleBarPointSize));
        const QFontMetrics metrics(font);
        textWidth = std::max(textWidth, metrics.horizontalAdvance(title));
        lineHeight = std::max(lineHeight, metrics.height());
    }
    // Half a line of margin at each end of the bar.
    return textWidth + titleBarButtons * lineHeight * 3 / 2 + lineHeight;
}

} // namespace

QuestionBox::QuestionBox(const QString &message, const QString &title, QWidget *parent)
    : QMessageBox(QMessageBox::Question, title, message, QMessageBox::Yes | QMessageBox::No, parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setDefaultButton(QMessageBox::Yes);

    // The box is sized for its message and buttons; a row that holds nothing
    // but this width keeps the title whole too.
    if (auto *grid = qobject_cast<QGridLayout *>(layout())) {
        const QMargins margins = grid->contentsMargins();
        grid->addItem(new QSpacerItem(titleBarWidth(title) - margins.left() - margins.right(), 0,
                                      QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
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
