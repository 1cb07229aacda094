#include "ValueDialog.h"

#include "core/MainWindowDefinition.h"
#include "core/ValueDialogDefinition.h"
#include "win32/runtime/Fonts.h"
#include "win32/runtime/Text.h"

namespace bitloom::win32 {

namespace def = core::valueDialog;

namespace {

constexpr DWORD windowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD windowExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

} // namespace

std::optional<std::string> ValueDialog::ask(HWND owner)
{
    m_typed.reset();
    create({L"BitloomValueDialog", nullptr}, windowStyle, windowExtendedStyle, toWide(def::caption),
           owner, nullptr);

    // In tab order: the label's access key leads to the line after it.
    add<Label>("lblValue", toWide(def::lblValue.text), Label::AccessKey::Marked)
        .setGeometry(def::lblValue.rect);
    auto &value = add<LineEdit>("txtValue");
    value.setGeometry(def::txtValue.rect);
    auto &ok = add<PushButton>("cmdOk", toWide(def::cmdOk.text), true);
    ok.setGeometry(def::cmdOk.rect);
    ok.onClick = [this] {
        close(true);
    };
    auto &cancel = add<PushButton>("cmdCancel", toWide(def::cmdCancel.text));
    cancel.setGeometry(def::cmdCancel.rect);
    cancel.onClick = [this] {
        close(false);
    };

    m_font = dialogFont(core::mainWindow::dialogFontPointSize, dpi());
    showControls(m_font.get());
    placeOver(owner, def::clientSize, windowStyle, windowExtendedStyle);
    runModal(owner, value.handle());
    return m_typed;
}

void ValueDialog::close(bool accepted)
{
    if (accepted)
        m_typed = toUtf8(findControl("txtValue")->text());
    destroy();
}

LRESULT ValueDialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        close(false);
        return 0;
    }
    return Window::handleMessage(message, wParam, lParam);
}

void ValueDialog::menuCommand(int id)
{
    // Enter and Esc, from the keyboard of the dialog.
    if (id == IDOK || id == IDCANCEL)
        close(id == IDOK);
}

} // namespace bitloom::win32
