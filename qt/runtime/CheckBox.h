#pragma once

#include "flags/CheckState.h"

#include <QCheckBox>

namespace bitloom::runtime {

// A check box whose click event is raised whenever its value changes: on a
// user click and when the program sets the value, but not when the value is
// set to what it already was. The user toggles between unchecked and checked;
// only the program can make it grayed.
class CheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit CheckBox(const QString &caption, QWidget *parent = nullptr);

    flags::CheckState value() const;
    void setValue(flags::CheckState value);

Q_SIGNALS:
    void clickEvent();

protected:
    void nextCheckState() override;
};

} // namespace bitloom::runtime
