#include "Program.h"

#include <map>

namespace bitloom::win32 {

namespace {

bool ended = false;
int exitStatus = 0;

std::map<HWND, HACCEL> &keyboardWindows()
{
    static std::map<HWND, HACCEL> windows;
    return windows;
}

// An edit box keeps its editing keys (Ctrl+C, Ctrl+V, Ctrl+Z...) while it has
// the focus: they copy its selection, or do nothing in a locked box, rather
// than run the window's shortcuts.
bool isEditingKey(const MSG &message)
{
    if (message.message != WM_KEYDOWN || !(GetKeyState(VK_CONTROL) & 0x8000))
        return false;
    switch (message.wParam) {
    case 'A':
    case 'C':
    case 'V':
    case 'X':
    case 'Y':
    case 'Z':
        break;
    default:
        return false;
    }
    wchar_t windowClass[16]{};
    GetClassNameW(message.hwnd, windowClass, 16);
    return lstrcmpiW(windowClass, L"Edit") == 0;
}

void handle(MSG &message)
{
    const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (const auto found = keyboardWindows().find(root); found != keyboardWindows().end()) {
        if (found->second && !isEditingKey(message)
            && TranslateAcceleratorW(root, found->second, &message))
            return;
        if (IsDialogMessageW(root, &message))
            return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

BOOL CALLBACK hide(HWND window, LPARAM)
{
    ShowWindow(window, SW_HIDE);
    return TRUE;
}

} // namespace

void handleKeyboardOf(HWND window, HACCEL shortcuts)
{
    keyboardWindows()[window] = shortcuts;
}

void forgetKeyboardOf(HWND window)
{
    keyboardWindows().erase(window);
}

int runMessageLoop()
{
    MSG message;
    while (!ended && GetMessageW(&message, nullptr, 0, 0) > 0)
        handle(message);
    return exitStatus;
}

void runModalLoop(const std::function<bool()> &done)
{
    MSG message;
    while (!ended && !done()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The outer loop must see the quit too.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        handle(message);
    }
}

void processPendingMessages()
{
    MSG message;
    while (!ended && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        handle(message);
    }
}

void endProgram(int status)
{
    if (ended)
        return;
    ended = true;
    exitStatus = status;
    EnumThreadWindows(GetCurrentThreadId(), hide, 0);
    PostQuitMessage(status);
}

bool programHasEnded()
{
    return ended;
}

} // namespace bitloom::win32
