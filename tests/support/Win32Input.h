// The user's keyboard and mouse, as Windows delivers them to the program:
// through the input queue, then the program's own message handling.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace bitloom::tests {

// Presses the keys in order and releases them in reverse (a chord such as
// Ctrl+W); whatever message loop runs handles them.
void sendKeys(std::initializer_list<WORD> keys);
// The same, then lets the program handle what came.
void pressKeys(std::initializer_list<WORD> keys);
// A left click at a point of the window's client area, as the pointer makes
// it; whatever message loop runs handles it.
void sendClick(HWND window, POINT client);
// The same, then lets the program handle what came.
void clickAt(HWND window, POINT client);
// A right click at a point of the window's client area, then lets the
// program handle what came.
void rightClickAt(HWND window, POINT client);
// The items of the menu that a right click in the middle of the control
// opens, read while it shows ("" for a separator), then the menu closed.
std::vector<std::wstring> contextMenuOf(HWND control);
// Another program's window takes the activation, as after Alt+Tab or a click
// elsewhere, then a click on the window's title bar brings it back.
void switchAwayAndBack(HWND window);
// A left click on the window's close box, found where the window says it is
// (WM_NCHITTEST), in this program or another; false when none was found.
bool sendCloseBoxClick(HWND window);
// Handles whatever the program has been sent, repeatedly for a short while,
// so that input reaches it through the X server.
void settle();

} // namespace bitloom::tests
