// The small window in which the user types a value: one line, "OK" and
// "Annuler".
#pragma once

#include <QDialog>

#include <optional>
#include <string>

class QLineEdit;

namespace bitloom::ui {

class ValueDialog : public QDialog {
    Q_OBJECT

public:
    explicit ValueDialog(QWidget *parent = nullptr);

    // Shows the window modally; the text typed, or nothing when cancelled.
    std::optional<std::string> ask();

private:
    QLineEdit *m_value = nullptr;
};

} // namespace bitloom::ui
