#include "ValueDialog.h"

#include "core/ValueDialogDefinition.h"
#include "win32/runtime/Controls.h"

namespace bitloom::win32 {

namespace def = core::valueDialog;

ValueDialog::ValueDialog()
    : ModalWindow({{L"BitloomValueDialog", nullptr},
                   WS_POPUP | WS_CAPTION | WS_SYSMENU,
                   WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
                   def::clientSize})
{
}

std::optional<std::string> ValueDialog::ask(Window &owner)
{
    m_typed.reset();
    open(owner, def::caption);
    // In tab order: the label's access key leads to the line after it.
    add<Label>("lblValue", placement(def::valueLabel.rect), def::valueLabel.text,
               Label::AccessKey::Marked);
    auto &value = add<LineEdit>("txtValue", placement(def::valueLine.rect));
    auto &ok = add<PushButton>("cmdOk", placement(def::okButton.rect), def::okButton.text, true);
    ok.onClick = [this] {
        finish(true);
    };
    auto &cancel
        = add<PushButton>("cmdCancel", placement(def::cancelButton.rect), def::cancelButton.text);
    cancel.onClick = [this] {
        finish(false);
    };
    runModal(value.handle());
    return m_typed;
}

void ValueDialog::finish(bool accepted)
{
    if (accepted)
        m_typed = findControl("txtValue")->text();
    close();
}

LRESULT ValueDialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        finish(false);
        return 0;
    }
    return ModalWindow::handleMessage(message, wParam, lParam);
}

void ValueDialog::menuCommand(int id)
{
    // Enter and Esc, from the keyboard of the dialog.
    if (id == IDOK || id == IDCANCEL)
        finish(id == IDOK);
}

} // namespace bitloom::win32
