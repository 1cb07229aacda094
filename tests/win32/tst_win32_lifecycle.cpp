#include "support/ChildProcess.h"
#include "support/Win32MainWindowFixture.h"
#include "support/Win32ModalAnswer.h"

#include <doctest.h>

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
        std::wstring title;
        const tests::Win32ModalAnswer answer(tests::mainWindow().handle(), [&title](HWND box) {
            title = wintest::textOf(box);
            tests::sendKeys({VK_MENU, 'N'});
        });
        if (byShortcut)
            tests::pressKeys({VK_CONTROL, 'Q'});
        else
            tests::mainWindow().choose("mnuFileExit");
        CHECK(answer.answered());
        CHECK(title == L"Confirmation pour Quitter?");
        CHECK_FALSE(win32::programHasEnded());
        CHECK(IsWindowVisible(tests::mainWindow().handle()));
        CHECK(tests::mainWindow().txtOutput().text() == L"20");
        CHECK(tests::mainWindow().itemChecked("mnuViewWide"));
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
    CHECK(tests::mainWindow().txtOutput().text() == L"0");
}
