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

void sendScreenClick(POINT screen, bool right = false)
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
    const DWORD down = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    const DWORD up = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    inputs[1].mi.dwFlags = down | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = up | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, inputs, sizeof(INPUT));
}

// The items of the popup menu that shows, read from inside the menu's own
// loop by a thread timer; then the menu is closed.
std::vector<std::wstring> *menuItems = nullptr;

void CALLBACK readShownMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND popup = FindWindowW(L"#32768", nullptr);
    if (!popup || !IsWindowVisible(popup) || !menuItems)
        return;
    KillTimer(nullptr, timer);
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    for (int item = 0; item < GetMenuItemCount(menu); ++item) {
        wchar_t text[128]{};
        GetMenuStringW(menu, static_cast<UINT>(item), text, 128, MF_BYPOSITION);
        menuItems->push_back(text);
    }
    EndMenu();
}

// A plain window of this program standing for another program's, out of the
// main window's way.
HWND otherWindow()
{
    static const HWND window = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"AnotherProgram";
        RegisterClassW(&windowClass);
        return CreateWindowExW(
            0, L"AnotherProgram", L"Un autre programme", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
            GetSystemMetrics(SM_CXSCREEN) - 260, GetSystemMetrics(SM_CYSCREEN) - 200, 240, 160,
            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }();
    return window;
}

} // namespace

void rightClickAt(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    sendScreenClick(client, true);
    settle();
}

std::vector<std::wstring> contextMenuOf(HWND control)
{
    std::vector<std::wstring> items;
    menuItems = &items;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, readShownMenu);
    RECT rect;
    GetClientRect(control, &rect);
    rightClickAt(control, {rect.right / 2, rect.bottom / 2});
    const DWORD start = GetTickCount();
    while (items.empty() && GetTickCount() - start < 3000)
        settle();
    KillTimer(nullptr, timer);
    menuItems = nullptr;
    settle();
    return items;
}

void switchAwayAndBack(HWND window)
{
    const HWND other = otherWindow();
    ShowWindow(other, SW_SHOWNOACTIVATE);
    clickAt(other, {120, 60});
    TITLEBARINFO bar{};
    bar.cbSize = sizeof bar;
    GetTitleBarInfo(window, &bar);
    // The middle of the caption, clear of the icon and the buttons.
    sendScreenClick({(bar.rcTitleBar.left + bar.rcTitleBar.right) / 2,
                     (bar.rcTitleBar.top + bar.rcTitleBar.bottom) / 2});
    settle();
}

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
