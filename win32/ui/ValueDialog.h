// The small window in which the user types a value: one line, "OK" and
// "Annuler". Each opening creates its window afresh, its line empty.
#pragma once

#include "win32/runtime/ModalWindow.h"

#include <optional>
#include <string>

namespace bitloom::win32 {

class ValueDialog : public ModalWindow {
public:
    ValueDialog();

    // Shows the window modally over the owner; the text typed, or nothing
    // when cancelled.
    std::optional<std::string> ask(Window &owner);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void menuCommand(int id) override;

private:
    void finish(bool accepted);

    std::optional<std::string> m_typed;
};

} // namespace bitloom::win32
