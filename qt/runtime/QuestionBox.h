#pragma once

#include "core/Answer.h"

#include <QMessageBox>

namespace bitloom::runtime {

using core::Answer;

// A modal Yes/No question with the question icon. The user must answer: Esc
// and the title bar's close box do nothing, and the title bar has no close box
// where the window manager honours that.
class QuestionBox : public QMessageBox {
    Q_OBJECT

public:
    QuestionBox(const QString &message, const QString &title, QWidget *parent = nullptr);

    // Shows the box modally and returns once it is answered.
    static Answer ask(const QString &message, const QString &title, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};

} // namespace bitloom::runtime
