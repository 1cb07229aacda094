#include "Program.h"

#include <map>
#include <utility>
#include <vector>

namespace bitloom::win32 {

namespace {

bool ended = false;
int exitStatus = 0;

std::vector<std::pair<HWND, std::function<void()>>> &idleTasks()
{
    static std::vector<std::pair<HWND, std::function<void()>>> tasks;
    return tasks;
}

UINT_PTR idleTimer = 0;

void CALLBACK runIdleTasks(HWND, UINT, UINT_PTR, DWORD)
{
    KillTimer(nullptr, idleTimer);
    idleTimer = 0;
    auto tasks = std::move(idleTasks());
    idleTasks().clear();
    for (auto &[window, task] : tasks) {
        if (!ended && IsWindow(window))
            task();
    }
}

// Once nothing is left to handle, the idle tasks wait a moment more: the
// thread first waits for input, as a program that has drawn its window
// does, which is when Windows counts it started (WaitForInputIdle).
void armIdleTasks()
{
    MSG message;
    if (idleTimer || idleTasks().empty() || PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE))
        return;
    idleTimer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, runIdleTasks);
}

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
    // With Shift, no key edits: Ctrl+Maj+C is the window's.
    if (message.message != WM_KEYDOWN || !(GetKeyState(VK_CONTROL) & 0x8000)
        || (GetKeyState(VK_SHIFT) & 0x8000))
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

// A typed character that the focused control does not take. A dialog would
// read a bare letter as an access key, pressing a button or moving the focus
// at a keystroke meant for nothing; here, as in the Qt program, only Alt
// with the letter does.
bool isStrayCharacter(const MSG &message)
{
    if (message.message != WM_CHAR || message.wParam < L' ')
        return false;
    const auto code = SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam,
                                   reinterpret_cast<LPARAM>(&message));
    return (code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE)) == 0;
}

wchar_t upper(wchar_t c)
{
    return static_cast<wchar_t>(
        reinterpret_cast<UINT_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(c)))));
}

// Whether the text marks that access key: "&" before it ("&&" is an
// ampersand shown as it is).
bool marksAccessKey(const wchar_t *text, wchar_t key)
{
    for (const wchar_t *c = text; *c; ++c) {
        if (*c == L'&' && *++c != L'&' && *c && upper(*c) == upper(key))
            return true;
        if (!*c)
            break;
    }
    return false;
}

bool menuBarHasAccessKey(HWND window, wchar_t key)
{
    const HMENU bar = GetMenu(window);
    for (int item = 0; bar && item < GetMenuItemCount(bar); ++item) {
        wchar_t title[64]{};
        GetMenuStringW(bar, static_cast<UINT>(item), title, 64, MF_BYPOSITION);
        if (marksAccessKey(title, key))
            return true;
    }
    return false;
}

// Whether a control that shows and takes input has that access key: a
// button, or a label that leads to the control after it.
bool controlHasAccessKey(HWND window, wchar_t key)
{
    struct Search {
        wchar_t key;
        bool found;
    } search{key, false};
    EnumChildWindows(
        window,
        [](HWND control, LPARAM parameter) -> BOOL {
            auto &s = *reinterpret_cast<Search *>(parameter);
            const auto style = GetWindowLongPtrW(control, GWL_STYLE);
            const auto code = SendMessageW(control, WM_GETDLGCODE, 0, 0);
            if ((style & (WS_VISIBLE | WS_DISABLED)) != WS_VISIBLE
                || !(code & (DLGC_BUTTON | DLGC_STATIC))
                || ((code & DLGC_STATIC) && (style & SS_NOPREFIX)))
                return TRUE;
            wchar_t text[128]{};
            GetWindowTextW(control, text, 128);
            s.found = marksAccessKey(text, s.key);
            return !s.found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Alt with a letter or digit that is no control's access key and no menu's:
// Windows would beep at it; the Qt program lets it pass unheard, and so does
// this one.
bool isUnusedAccessKey(HWND root, const MSG &message)
{
    if (message.message != WM_SYSCHAR)
        return false;
    const auto key = static_cast<wchar_t>(message.wParam);
    return IsCharAlphaNumericW(key) && !controlHasAccessKey(root, key)
           && !menuBarHasAccessKey(root, key);
}

void handle(MSG &message)
{
    const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (const auto found = keyboardWindows().find(root); found != keyboardWindows().end()) {
        if (found->second && !isEditingKey(message)
            && TranslateAcceleratorW(root, found->second, &message))
            return;
        // Windows' dialog handling takes every message for the window.
        if (isStrayCharacter(message) || isUnusedAccessKey(root, message)
            || IsDialogMessageW(root, &message))
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

void whenIdle(HWND window, std::function<void()> task)
{
    idleTasks().emplace_back(window, std::move(task));
}

int runMessageLoop()
{
    MSG message;
    while (!ended) {
        armIdleTasks();
        if (GetMessageW(&message, nullptr, 0, 0) <= 0)
            break;
        handle(message);
    }
    return exitStatus;
}

void runModalLoop(const std::function<bool()> &done)
{
    MSG message;
    while (!ended && !done()) {
        armIdleTasks();
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
    armIdleTasks();
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
