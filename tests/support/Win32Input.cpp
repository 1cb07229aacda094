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

void clickAt(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    SetCursorPos(client.x, client.y);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
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
