#pragma once

#include <QLineEdit>

namespace bitloom::runtime {

// A one-line box the user can select and copy from but never change. While it
// has the focus it keeps every editing key (Ctrl+C, Ctrl+V, Ctrl+Z...) for
// itself, so that none reaches a shortcut of its window: copying copies the
// selection, and the others do nothing, as in any locked box.
class LockedLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit LockedLineEdit(const QString &text, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
};

} // namespace bitloom::runtime
