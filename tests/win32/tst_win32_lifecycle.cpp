#include "support/ChildProcess.h"
#include "support/Win32MainWindowFixture.h"
#include "support/Win32ModalAnswer.h"

#include "win32/ui/AboutWindow.h"

#include <doctest.h>

#include <functional>

using namespace bitloom;
using flags::CheckState;

// The program's end is final: the test that ends it runs last.

TEST_CASE("quit answered No leaves the window as it was")
{
    tests::mainWindow().reset();
    tests::mainWindow().chkflag(5).setValue(CheckState::Checked);
    tests::mainWindow().choose("mnuViewWide");
    for (const bool byShortcut : {true, false}) {
        CAPTURE(byShortcut);
        std::string title;
        const tests::Win32ModalAnswer answer(tests::mainWindow().handle(), [&title](HWND box) {
            title = wintest::textOf(box);
            tests::sendKeys({VK_MENU, 'N'});
        });
        if (byShortcut)
            tests::pressKeys({VK_CONTROL, 'Q'});
        else
            tests::mainWindow().choose("mnuFileExit");
        CHECK(answer.answered());
        CHECK(title == "Confirmation pour Quitter?");
        CHECK_FALSE(win32::programHasEnded());
        CHECK(IsWindowVisible(tests::mainWindow().handle()));
        CHECK(tests::mainWindow().txtOutput().text() == "20");
        CHECK(tests::mainWindow().itemChecked("mnuViewWide"));
    }
}

TEST_CASE("when a modal window closes, the main window is active again, the focus where it was")
{
    struct Way {
        const char *what;
        std::function<void()> open;
        std::vector<tests::Win32ModalAnswer::Step> answer;
    };
    // A key, or Alt and a key, sent to whatever window has the focus.
    const auto key = [](WORD pressed, bool alt = false) {
        return [pressed, alt](HWND) {
            if (alt)
                tests::sendKeys({VK_MENU, pressed});
            else
                tests::sendKeys({pressed});
        };
    };
    const Way ways[] = {
        // Enter in the About text: the text asks for the default button.
        {"About, Enter in its text",
         [] { tests::pressKeys({VK_F1}); },
         {key(VK_TAB), key(VK_RETURN)}},
        {"value window, Esc", [] { tests::mainWindow().choose("mnuEditType"); }, {key(VK_ESCAPE)}},
        {"quit question, No",
         [] {
             tests::pressKeys({VK_CONTROL, 'Q'});
         },
         {key('N', true)}},
    };
    for (const Way &way : ways) {
        CAPTURE(way.what);
        auto &window = tests::mainWindow();
        window.reset();
        window.choose("mnuViewWide");
        SetFocus(window.chkflag(5).handle());
        const tests::Win32ModalAnswer answer(window.handle(), way.answer);
        way.open();
        CHECK(answer.answered());
        CHECK_FALSE(answer.gaveUp());
        const auto *about = window.window().aboutWindow();
        CHECK_FALSE((about && about->handle()));
        CHECK(GetForegroundWindow() == window.handle());
        CHECK(GetFocus() == window.chkflag(5).handle());
    }
}

TEST_CASE("quit answered Yes (Enter, the default) ends the program at once")
{
    tests::mainWindow().reset();
    const tests::Win32ModalAnswer answer(tests::mainWindow().handle(),
                                         [](HWND) { tests::sendKeys({VK_RETURN}); });
    tests::pressKeys({VK_CONTROL, 'Q'});
    CHECK(answer.answered());
    CHECK(win32::programHasEnded());
    CHECK_FALSE(IsWindowVisible(tests::mainWindow().handle()));
    // The loop returns at once, with the program's own status.
    CHECK(win32::runMessageLoop() == 0);
    // No event reaches a window any more.
    SendMessageW(tests::mainWindow().handle(), WM_COMMAND, IDCANCEL, 0);
    CHECK(tests::mainWindow().txtOutput().text() == "0");
}
