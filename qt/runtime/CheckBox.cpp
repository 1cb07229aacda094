#include "CheckBox.h"

namespace bitloom::runtime {

using flags::CheckState;

CheckBox::CheckBox(const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    connect(this, &QCheckBox::checkStateChanged, this, &CheckBox::clickEvent);
#else
    connect(this, &QCheckBox::stateChanged, this, &CheckBox::clickEvent);
#endif
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
