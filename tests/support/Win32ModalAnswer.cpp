#include "support/Win32ModalAnswer.h"

#include <string>

namespace bitloom::tests {

namespace {

Win32ModalAnswer *current = nullptr;

struct Search {
    HWND mainWindow;
    HWND found;
};

BOOL CALLBACK findModal(HWND window, LPARAM lParam)
{
    auto *search = reinterpret_cast<Search *>(lParam);
    if (window != search->mainWindow && IsWindowVisible(window) && IsWindowEnabled(window)
        && GetActiveWindow() == window) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

Win32ModalAnswer::Win32ModalAnswer(HWND mainWindow, Step answer)
    : Win32ModalAnswer(mainWindow, std::vector<Step>{std::move(answer)})
{
}

Win32ModalAnswer::Win32ModalAnswer(HWND mainWindow, std::vector<Step> steps)
    : m_mainWindow(mainWindow)
    , m_steps(std::move(steps))
    , m_started(GetTickCount())
{
    current = this;
    m_timer = SetTimer(nullptr, 0, 20, &Win32ModalAnswer::poll);
}

Win32ModalAnswer::~Win32ModalAnswer()
{
    KillTimer(nullptr, m_timer);
    current = nullptr;
}

void CALLBACK Win32ModalAnswer::poll(HWND, UINT, UINT_PTR, DWORD)
{
    Win32ModalAnswer *self = current;
    if (!self || self->m_gaveUp)
        return;
    Search search{self->m_mainWindow, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), findModal, reinterpret_cast<LPARAM>(&search));
    if (search.found && !self->m_answered) {
        const Step &step = self->m_steps[self->m_nextStep++];
        self->m_answered = self->m_nextStep == self->m_steps.size();
        self->m_started = GetTickCount();
        step(search.found);
    } else if ((search.found || !self->m_answered) && GetTickCount() - self->m_started > 5000) {
        // Nothing came up, or the answer left it open.
        self->m_gaveUp = true;
        // A question box closes only on an answer; anything else on Esc.
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM mainWindow) -> BOOL {
                if (window != reinterpret_cast<HWND>(mainWindow) && IsWindowVisible(window)
                    && IsWindowEnabled(window)) {
                    if (HWND no = GetDlgItem(window, IDNO))
                        PostMessageW(window, WM_COMMAND, IDNO, reinterpret_cast<LPARAM>(no));
                    else
                        PostMessageW(window, WM_CLOSE, 0, 0);
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(self->m_mainWindow));
    }
}

} // namespace bitloom::tests
