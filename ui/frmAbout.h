// The About window: the program's name and version in the title bar, a short
// description and the credits. One instance serves the whole run; each opening
// loads it afresh and closing unloads it.
#pragma once

#include "runtime/ProgramVersion.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace bitloom::ui {

// "Bitloom <major>.<minor> Build:  <revision>"
QString aboutCaption(const runtime::ProgramVersion &version);

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    // Loads the window and shows it modally; returns once it is unloaded.
    void showModal();

private:
    void Form_Load();
    void Command1_Click();

    QPushButton *Command1 = nullptr;
    QPlainTextEdit *txtAbout = nullptr;
};

} // namespace bitloom::ui
