#include "support/Win32Clipboard.h"
#include "support/Win32MainWindowFixture.h"

#include <doctest.h>

using namespace bitloom;
using flags::CheckState;
using tests::clipboardText;

TEST_CASE(
    "flags ticked from the keyboard; Alt+D, select all and copy put the value on the clipboard")
{
    auto &window = tests::mainWindow();
    window.reset();
    CHECK(GetFocus() == window.lstPane().handle());
    tests::pressKeys({VK_CONTROL, 'W'});
    CHECK(window.clientPixels().cx == 940);
    CHECK(window.clientPixels().cy == 586);
    // The list hid, taking the focus with it: it moved on.
    CHECK(GetFocus() != window.lstPane().handle());

    tests::pressKeys({VK_MENU, 'D'});
    REQUIRE(GetFocus() == window.txtOutput().handle());
    tests::pressKeys({VK_TAB});
    CHECK(GetFocus() == window.chkflag(0).handle());
    tests::pressKeys({VK_SPACE});
    tests::pressKeys({VK_TAB});
    tests::pressKeys({VK_TAB});
    tests::pressKeys({VK_SPACE});
    CHECK(window.txtOutput().text() == L"5");

    tests::pressKeys({VK_MENU, 'D'});
    tests::pressKeys({VK_CONTROL, 'A'});
    tests::pressKeys({VK_CONTROL, 'C'});
    CHECK(clipboardText() == L"5");
}

TEST_CASE("the output box can be selected and copied, never changed")
{
    auto &window = tests::mainWindow();
    window.reset();
    window.chkflag(4).setValue(CheckState::Checked);
    SetFocus(window.txtOutput().handle());
    for (WORD key : {WORD{'7'}, WORD{VK_BACK}, WORD{VK_DELETE}})
        tests::pressKeys({key});
    tests::pressKeys({VK_CONTROL, 'A'});
    tests::pressKeys({VK_DELETE});
    tests::pressKeys({VK_CONTROL, 'X'});
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    tests::pressKeys({VK_CONTROL, 'V'});
    SendMessageW(window.txtOutput().handle(), WM_PASTE, 0, 0);
    CHECK(window.txtOutput().text() == L"10");
    CAPTURE(window.txtOutput().selection().first);
    CAPTURE(window.txtOutput().selection().second);
    CHECK(window.txtOutput().selection() == std::pair{0, 2});
}

TEST_CASE("the shortcuts run their items with no menu open")
{
    auto &window = tests::mainWindow();
    window.reset();
    tests::pressKeys({VK_CONTROL, 'W'});
    CHECK(window.itemChecked("mnuViewWide"));
    CHECK_FALSE(window.itemChecked("mnuViewSingle"));
    CHECK_FALSE(window.lstPane().isVisible());
    tests::pressKeys({VK_CONTROL, 'S'});
    CHECK(window.itemChecked("mnuViewSingle"));
    CHECK(window.lstPane().isVisible());
    CHECK(window.clientPixels().cx == 313);
}

TEST_CASE("Alt+R and Esc reset while the summary shows, and do nothing on a digit pane")
{
    auto &window = tests::mainWindow();
    for (WORD key : {WORD{'R'}, WORD{VK_ESCAPE}}) {
        CAPTURE(key);
        window.reset();
        window.chkflag(9).setValue(CheckState::Checked);
        window.choose("mnuPane", 3);
        SetFocus(window.chkflag(9).handle());
        if (key == 'R')
            tests::pressKeys({VK_MENU, key});
        else
            tests::pressKeys({key});
        CHECK(window.txtOutput().text() == L"200");

        window.choose("mnuPane", 0);
        SetFocus(window.txtOutput().handle());
        if (key == 'R')
            tests::pressKeys({VK_MENU, key});
        else
            tests::pressKeys({key});
        CHECK(window.txtOutput().text() == L"0");
        CHECK(window.chkflag(9).value() == CheckState::Unchecked);
    }
}

TEST_CASE("Alt+D does nothing while the summary is hidden")
{
    auto &window = tests::mainWindow();
    window.reset();
    window.choose("mnuPane", 2);
    SetFocus(window.chkflag(4).handle());
    tests::pressKeys({VK_MENU, 'D'});
    CHECK(GetFocus() == window.chkflag(4).handle());
}

TEST_CASE("in wide view Tab goes from bit 26 to the reset button, then to bit 27")
{
    auto &window = tests::mainWindow();
    window.reset();
    window.choose("mnuViewWide");
    SetFocus(window.chkflag(26).handle());
    tests::pressKeys({VK_TAB});
    CHECK(GetFocus() == window.cmdClearAll().handle());
    tests::pressKeys({VK_TAB});
    CHECK(GetFocus() == window.chkflag(27).handle());
}

TEST_CASE("the list follows the arrow keys, choosing panes as it goes")
{
    auto &window = tests::mainWindow();
    window.reset();
    SetFocus(window.lstPane().handle());
    tests::pressKeys({VK_DOWN});
    tests::pressKeys({VK_DOWN});
    const int chosen = window.lstPane().listIndex();
    REQUIRE(chosen >= 0);
    CHECK(window.fraPane(chosen).isVisible());
    CHECK(window.itemChecked("mnuPane", chosen));
}
