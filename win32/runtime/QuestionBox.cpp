#include "QuestionBox.h"

#include "Handles.h"
#include "Text.h"

namespace bitloom::win32 {

namespace {

// The hook of the question being asked on this thread.
thread_local HHOOK questionHook = nullptr;

// Renames the buttons as the message box comes up, before it is drawn.
LRESULT CALLBACK renameButtons(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        const auto box = reinterpret_cast<HWND>(wParam);
        SetDlgItemTextW(box, IDYES, L"&Oui");
        SetDlgItemTextW(box, IDNO, L"&Non");
    }
    return CallNextHookEx(questionHook, code, wParam, lParam);
}

} // namespace

core::Answer askQuestion(HWND owner, std::string_view message, std::string_view title)
{
    const UniqueHook hook(SetWindowsHookExW(WH_CBT, renameButtons, nullptr, GetCurrentThreadId()));
    questionHook = hook.get();
    const int answer = MessageBoxW(owner, toWide(message).c_str(), toWide(title).c_str(),
                                   MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1);
    questionHook = nullptr;
    return answer == IDYES ? core::Answer::Yes : core::Answer::No;
}

} // namespace bitloom::win32
