#include "support/Win32MainWindowFixture.h"

#include <doctest.h>

using namespace bitloom;
using flags::CheckState;

namespace {

void checkOnlyPane(int chosen)
{
    for (int pane = 0; pane < core::paneCount; ++pane) {
        CAPTURE(pane);
        CHECK(tests::mainWindow().fraPane(pane).isVisible() == (pane == chosen));
        CHECK(tests::mainWindow().itemChecked("mnuPane", pane) == (pane == chosen));
    }
}

POINT paneAt(int pane)
{
    const RECT rect = tests::mainWindow().placeOf(tests::mainWindow().fraPane(pane).handle());
    return {rect.left, rect.top};
}

void pickListItem(int item)
{
    RECT rect;
    SendMessageW(tests::mainWindow().lstPane().handle(), LB_GETITEMRECT, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(&rect));
    tests::clickAt(tests::mainWindow().lstPane().handle(),
                   {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

} // namespace

TEST_CASE("at start the summary pane shows, its item checked, the list without choice")
{
    tests::mainWindow().reset();
    checkOnlyPane(0);
    CHECK(tests::mainWindow().lstPane().listIndex() == -1);
    CHECK(tests::mainWindow().itemChecked("mnuViewSingle"));
    CHECK_FALSE(tests::mainWindow().itemChecked("mnuViewWide"));
}

TEST_CASE("a pick in the list shows that pane and checks its item")
{
    tests::mainWindow().reset();
    pickListItem(3);
    CHECK(tests::mainWindow().lstPane().listIndex() == 3);
    checkOnlyPane(3);
}

TEST_CASE("wide view shows all eight panes in two rows of four")
{
    tests::mainWindow().reset();
    tests::mainWindow().choose("mnuPane", 7);
    tests::mainWindow().choose("mnuViewWide");
    for (int pane = 0; pane < core::paneCount; ++pane) {
        CAPTURE(pane);
        CHECK(tests::mainWindow().fraPane(pane).isVisible());
        const POINT at = paneAt(pane);
        CHECK(at.x == 8 + 233 * (pane % 4));
        CHECK(at.y == (pane < 4 ? 8 : 297));
    }
    CHECK_FALSE(tests::mainWindow().lstPane().isVisible());
    CHECK(tests::mainWindow().itemChecked("mnuPane", 7));

    // Back to single view: every pane at the summary's spot, the summary
    // shown and checked.
    tests::mainWindow().choose("mnuViewSingle");
    checkOnlyPane(0);
    for (int pane = 0; pane < core::paneCount; ++pane)
        CHECK(paneAt(pane).x == 80);
}

TEST_CASE("switching views keeps the flags and the output")
{
    tests::mainWindow().reset();
    tests::mainWindow().chkflag(27).setValue(CheckState::Checked);
    tests::mainWindow().choose("mnuViewWide");
    tests::mainWindow().choose("mnuViewSingle");
    CHECK(tests::mainWindow().txtOutput().text() == "8000000");
    CHECK(tests::mainWindow().chkflag(27).value() == CheckState::Checked);
}

TEST_CASE("minimising and restoring keeps the view and the panes")
{
    tests::mainWindow().reset();
    tests::mainWindow().choose("mnuViewWide");
    ShowWindow(tests::mainWindow().handle(), SW_MINIMIZE);
    tests::settle();
    ShowWindow(tests::mainWindow().handle(), SW_RESTORE);
    tests::settle();
    CHECK(tests::mainWindow().itemChecked("mnuViewWide"));
    CHECK(tests::mainWindow().clientPixels().cx == 940);
    for (int pane = 0; pane < core::paneCount; ++pane)
        CHECK(tests::mainWindow().fraPane(pane).isVisible());
}

TEST_CASE("reset from the menu and from the button clear every flag")
{
    for (const bool fromMenu : {true, false}) {
        CAPTURE(fromMenu);
        tests::mainWindow().reset();
        for (int bit : {0, 13, 27})
            tests::mainWindow().chkflag(bit).setValue(CheckState::Checked);
        CHECK(tests::mainWindow().txtOutput().text() == "8002001");
        if (fromMenu)
            tests::mainWindow().choose("mnuFileClear");
        else
            tests::mainWindow().cmdClearAll().click();
        CHECK(tests::mainWindow().txtOutput().text() == "0");
    }
}

TEST_CASE("a click on a clear or grayed box ticks it and shows the value; another clears it")
{
    for (const CheckState start : {CheckState::Unchecked, CheckState::Grayed}) {
        CAPTURE(static_cast<int>(start));
        tests::mainWindow().reset();
        tests::mainWindow().choose("mnuPane", 2);
        auto &box = tests::mainWindow().chkflag(7);
        box.setValue(start);
        const RECT rect = tests::mainWindow().placeOf(box.handle());
        const POINT mark{rect.left + 6, (rect.top + rect.bottom) / 2};
        tests::clickAt(tests::mainWindow().handle(), mark);
        CHECK(box.value() == CheckState::Checked);
        CHECK(tests::mainWindow().txtOutput().text() == "80");
        tests::clickAt(tests::mainWindow().handle(), mark);
        CHECK(box.value() == CheckState::Unchecked);
        CHECK(tests::mainWindow().txtOutput().text() == "0");
    }
}
