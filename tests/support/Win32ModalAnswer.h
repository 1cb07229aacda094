// Answers a modal window from inside its own message loop: the test arranges
// the answer, then runs the code that opens the window. A thread timer reaches
// whatever loop runs, the program's or a message box's.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace bitloom::tests {

// Calls the answer once with the first window of this thread, other than the
// given one, that shows and is active while this object lives. Given several
// steps, it calls each in turn on a later tick, so that the window handles
// what one step sent before the next looks. When no window comes up, or one
// still shows a few seconds after the last step, it gives up and closes
// whatever it finds, so that a wrong answer fails the test instead of
// hanging it.
class Win32ModalAnswer {
public:
    using Step = std::function<void(HWND)>;
    Win32ModalAnswer(HWND mainWindow, Step answer);
    Win32ModalAnswer(HWND mainWindow, std::vector<Step> steps);
    ~Win32ModalAnswer();
    Win32ModalAnswer(const Win32ModalAnswer &) = delete;
    Win32ModalAnswer &operator=(const Win32ModalAnswer &) = delete;

    bool answered() const { return m_answered; }
    bool gaveUp() const { return m_gaveUp; }

private:
    static void CALLBACK poll(HWND, UINT, UINT_PTR, DWORD);

    HWND m_mainWindow;
    std::vector<Step> m_steps;
    std::size_t m_nextStep = 0;
    UINT_PTR m_timer = 0;
    DWORD m_started = 0;
    bool m_answered = false;
    bool m_gaveUp = false;
};

} // namespace bitloom::tests
