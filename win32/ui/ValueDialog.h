// The small window in which the user types a value: one line, "OK" and
// "Annuler". Each opening creates its window afresh.
#pragma once

#include "win32/runtime/Controls.h"
#include "win32/runtime/Handles.h"
#include "win32/runtime/Window.h"

#include <optional>
#include <string>

namespace bitloom::win32 {

class ValueDialog : public Window {
public:
    ValueDialog() = default;

    // Shows the window modally over the owner; the text typed, or nothing
    // when cancelled.
    std::optional<std::string> ask(HWND owner);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void menuCommand(int id) override;

private:
    void close(bool accepted);

    UniqueFont m_font;
    std::optional<std::string> m_typed;
};

} // namespace bitloom::win32
