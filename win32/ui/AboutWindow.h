// The About window: the program's name and version in the title bar, a short
// description and the credits. The object serves the whole run; each opening
// creates (loads) its window afresh and closing destroys (unloads) it.
#pragma once

#include "win32/runtime/ModalWindow.h"

namespace bitloom::win32 {

class AboutWindow : public ModalWindow {
public:
    AboutWindow();

    // Loads the window and shows it modally over the owner, which takes no
    // input meanwhile; returns once the window is closed.
    void showModal(Window &owner);
    // How many times it has been loaded.
    int loads() const { return m_loads; }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void menuCommand(int id) override;

private:
    int m_loads = 0;
};

} // namespace bitloom::win32
