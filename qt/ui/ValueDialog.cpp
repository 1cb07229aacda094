#include "ValueDialog.h"

#include "core/ValueDialogDefinition.h"
#include "qt/runtime/Text.h"
#include "qt/runtime/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace bitloom::ui {

namespace def = core::valueDialog;
using runtime::toPixels;
using runtime::toQString;

ValueDialog::ValueDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(u"frmValue"_s);
    setWindowTitle(toQString(def::caption));
    setFixedSize(toPixels(def::clientSize));

    auto *label = new QLabel(toQString(def::valueLabel.text), this);
    label->setObjectName(u"lblValue"_s);
    label->setGeometry(toPixels(def::valueLabel.rect));
    m_value = new QLineEdit(this);
    m_value->setObjectName(u"txtValue"_s);
    m_value->setGeometry(toPixels(def::valueLine.rect));
    label->setBuddy(m_value);

    auto *ok = new QPushButton(toQString(def::okButton.text), this);
    ok->setObjectName(u"cmdOk"_s);
    ok->setGeometry(toPixels(def::okButton.rect));
    ok->setDefault(true);
    auto *cancel = new QPushButton(toQString(def::cancelButton.text), this);
    cancel->setObjectName(u"cmdCancel"_s);
    cancel->setGeometry(toPixels(def::cancelButton.rect));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // Esc reaches the dialog's own cancel, as the button does.
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<std::string> ValueDialog::ask()
{
    m_value->clear();
    m_value->setFocus(Qt::OtherFocusReason);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return m_value->text().toStdString();
}

} // namespace bitloom::ui
