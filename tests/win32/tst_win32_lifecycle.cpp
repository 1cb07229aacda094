#include "support/Win32MainWindowFixture.h"
#include "support/Win32ModalAnswer.h"

#include <doctest.h>

using namespace bitloom;
using flags::CheckState;

namespace {

tests::Win32MainWindowFixture &main()
{
    static tests::Win32MainWindowFixture fixture;
    return fixture;
}

} // namespace

// The program's end is final: the test that ends it runs last.

TEST_CASE("quit answered No leaves the window as it was")
{
    main().reset();
    main().chkflag(5).setValue(CheckState::Checked);
    main().choose("mnuViewWide");
    for (const bool byShortcut : {true, false}) {
        CAPTURE(byShortcut);
        std::wstring title;
        const tests::Win32ModalAnswer answer(main().handle(), [&title](HWND box) {
            title = tests::windowText(box);
            tests::sendKeys({VK_MENU, 'N'});
        });
        if (byShortcut)
            tests::pressKeys({VK_CONTROL, 'Q'});
        else
            main().choose("mnuFileExit");
        CHECK(answer.answered());
        CHECK(title == L"Confirmation pour Quitter?");
        CHECK_FALSE(win32::programHasEnded());
        CHECK(IsWindowVisible(main().handle()));
        CHECK(main().txtOutput().text() == L"20");
        CHECK(main().itemChecked("mnuViewWide"));
    }
}

TEST_CASE("quit answered Yes (Enter, the default) ends the program at once")
{
    main().reset();
    const tests::Win32ModalAnswer answer(main().handle(),
                                         [](HWND) { tests::sendKeys({VK_RETURN}); });
    tests::pressKeys({VK_CONTROL, 'Q'});
    CHECK(answer.answered());
    CHECK(win32::programHasEnded());
    CHECK_FALSE(IsWindowVisible(main().handle()));
    // The loop returns at once, with the program's own status.
    CHECK(win32::runMessageLoop() == 0);
    // No event reaches a window any more.
    SendMessageW(main().handle(), WM_COMMAND, IDCANCEL, 0);
    CHECK(main().txtOutput().text() == L"0");
}
