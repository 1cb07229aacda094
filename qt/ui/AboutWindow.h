// The About window: the program's name and version in the title bar, a short
// description and the credits. One instance serves the whole run; each opening
// loads it afresh and closing unloads it.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace bitloom::ui {

class AboutWindow : public QDialog {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

    // Loads the window and shows it modally; returns once it is unloaded.
    void showModal();

private:
    void load();

    QPushButton *m_closeButton = nullptr;
    QPlainTextEdit *m_text = nullptr;
};

} // namespace bitloom::ui
