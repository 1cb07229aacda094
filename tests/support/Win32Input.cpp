#include "support/Win32Input.h"

#include "win32/runtime/Program.h"

#include <vector>

namespace bitloom::tests {

namespace {

INPUT key(WORD virtualKey, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void sendScreenClick(POINT screen)
{
    // Every event carries the place, so none lands where the pointer was.
    const LONG x = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    const LONG y = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    INPUT inputs[3]{};
    for (INPUT &input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = x;
        input.mi.dy = y;
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, inputs, sizeof(INPUT));
}

} // namespace

void sendKeys(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD k : keys)
        inputs.push_back(key(k, false));
    for (auto k = std::rbegin(keys); k != std::rend(keys); ++k)
        inputs.push_back(key(*k, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void pressKeys(std::initializer_list<WORD> keys)
{
    sendKeys(keys);
    settle();
}

void sendClick(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    sendScreenClick(client);
}

bool sendCloseBoxClick(HWND window)
{
    TITLEBARINFO bar{};
    bar.cbSize = sizeof bar;
    if (!GetTitleBarInfo(window, &bar))
        return false;
    // The close box is the title bar's rightmost button: walk in from the
    // right end until the window says the pointer would be on it.
    const LONG y = (bar.rcTitleBar.top + bar.rcTitleBar.bottom) / 2;
    for (LONG x = bar.rcTitleBar.right - 1; x > bar.rcTitleBar.left; --x) {
        const auto at = static_cast<LPARAM>(MAKELONG(static_cast<short>(x), static_cast<short>(y)));
        DWORD_PTR hit = HTNOWHERE;
        SendMessageTimeoutW(window, WM_NCHITTEST, 0, at, SMTO_ABORTIFHUNG, 2000, &hit);
        if (hit == HTCLOSE) {
            // A few pixels in, clear of its edge.
            sendScreenClick({x - 3, y});
            return true;
        }
    }
    return false;
}

void clickAt(HWND window, POINT client)
{
    sendClick(window, client);
    settle();
}

void settle()
{
    // Input goes through the X server and back: wait until the queue has
    // stayed empty a little while, or at most a second.
    const DWORD start = GetTickCount();
    int quietRounds = 0;
    while (quietRounds < 3 && GetTickCount() - start < 1000) {
        if (MsgWaitForMultipleObjectsEx(0, nullptr, 15, QS_ALLINPUT, MWMO_INPUTAVAILABLE)
            == WAIT_TIMEOUT) {
            ++quietRounds;
        } else {
            quietRounds = 0;
            win32::processPendingMessages();
        }
    }
    win32::processPendingMessages();
}

} // namespace bitloom::tests
