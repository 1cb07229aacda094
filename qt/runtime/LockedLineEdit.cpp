#include "LockedLineEdit.h"

#include <QKeyEvent>

namespace bitloom::runtime {

LockedLineEdit::LockedLineEdit(const QString &text, QWidget *parent)
    : QLineEdit(text, parent)
{
    setReadOnly(true);
}

bool LockedLineEdit::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        for (const QKeySequence::StandardKey editing :
             {QKeySequence::Copy, QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo,
              QKeySequence::Redo, QKeySequence::SelectAll, QKeySequence::Delete}) {
            if (key->matches(editing)) {
                event->accept();
                return true;
            }
        }
    }
    return QLineEdit::event(event);
}

} // namespace bitloom::runtime
