#include "CheckBox.h"

namespace bitloom::runtime {

using flags::CheckState;

CheckBox::CheckBox(const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent)
{
    connect(this, &QCheckBox::stateChanged, this, &CheckBox::clickEvent);
}

CheckState CheckBox::value() const
{
    switch (checkState()) {
    case Qt::Checked:
        return CheckState::Checked;
    case Qt::PartiallyChecked:
        return CheckState::Grayed;
    case Qt::Unchecked:
        break;
    }
    return CheckState::Unchecked;
}

void CheckBox::setValue(CheckState value)
{
    switch (value) {
    case CheckState::Checked:
        setCheckState(Qt::Checked);
        return;
    case CheckState::Grayed:
        setCheckState(Qt::PartiallyChecked);
        return;
    case CheckState::Unchecked:
        break;
    }
    setCheckState(Qt::Unchecked);
}

void CheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

} // namespace bitloom::runtime
