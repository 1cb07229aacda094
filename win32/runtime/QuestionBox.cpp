#include "QuestionBox.h"

#include "Handles.h"
#include "MessageBox.h"

#include <commctrl.h>

namespace bitloom::win32 {

namespace {

// The hook of the question being asked on this thread.
thread_local HHOOK questionHook = nullptr;

// A Yes/No box has no cancel: Windows ignores Esc and the close box, but not
// every Windows-compatible system does, so the box ignores them itself.
LRESULT CALLBACK refuseCancel(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR)
{
    if ((message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) || message == WM_CLOSE)
        return 0;
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(box, refuseCancel, 0);
    return DefSubclassProc(box, message, wParam, lParam);
}

// Renames the buttons as the message box comes up, before it is drawn.
LRESULT CALLBACK prepareBox(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        const auto box = reinterpret_cast<HWND>(wParam);
        if (GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO)) {
            SetDlgItemTextW(box, IDYES, L"&Oui");
            SetDlgItemTextW(box, IDNO, L"&Non");
            SetWindowSubclass(box, refuseCancel, 0, 0);
        }
    }
    return CallNextHookEx(questionHook, code, wParam, lParam);
}

} // namespace

core::Answer askQuestion(HWND owner, std::string_view message, std::string_view title)
{
    const UniqueHook hook(SetWindowsHookExW(WH_CBT, prepareBox, nullptr, GetCurrentThreadId()));
    questionHook = hook.get();
    const int answer
        = messageBox(owner, message, title, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1);
    questionHook = nullptr;
    return answer == IDYES ? core::Answer::Yes : core::Answer::No;
}

} // namespace bitloom::win32
