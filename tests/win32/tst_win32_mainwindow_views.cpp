#include "support/Win32MainWindowFixture.h"

#include <doctest.h>

using namespace bitloom;
using flags::CheckState;

namespace {

tests::Win32MainWindowFixture &main()
{
    static tests::Win32MainWindowFixture fixture;
    return fixture;
}

void checkOnlyPane(int chosen)
{
    for (int pane = 0; pane < core::paneCount; ++pane) {
        CAPTURE(pane);
        CHECK(main().fraPane(pane).isVisible() == (pane == chosen));
        CHECK(main().itemChecked("mnuPane", pane) == (pane == chosen));
    }
}

POINT paneAt(int pane)
{
    const RECT rect = main().placeOf(main().fraPane(pane).handle());
    return {rect.left, rect.top};
}

void pickListItem(int item)
{
    RECT rect;
    SendMessageW(main().lstPane().handle(), LB_GETITEMRECT, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(&rect));
    tests::clickAt(main().lstPane().handle(),
                   {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

} // namespace

TEST_CASE("at start the summary pane shows, its item checked, the list without choice")
{
    main().reset();
    checkOnlyPane(0);
    CHECK(main().lstPane().listIndex() == -1);
    CHECK(main().itemChecked("mnuViewSingle"));
    CHECK_FALSE(main().itemChecked("mnuViewWide"));
}

TEST_CASE("a pick in the list shows that pane and checks its item")
{
    main().reset();
    pickListItem(3);
    CHECK(main().lstPane().listIndex() == 3);
    checkOnlyPane(3);

    SUBCASE("the menu's choice leaves the list as it is")
    {
        main().choose("mnuPane", 5);
        checkOnlyPane(5);
        CHECK(main().lstPane().listIndex() == 3);

        SUBCASE("and picking the list's item again shows it again")
        {
            pickListItem(3);
            checkOnlyPane(3);
        }
        SUBCASE("and single view shows the list's choice again")
        {
            main().choose("mnuViewSingle");
            checkOnlyPane(3);
        }
    }
}

TEST_CASE("wide view shows all eight panes in two rows of four")
{
    main().reset();
    main().choose("mnuPane", 6);
    main().choose("mnuViewWide");
    for (int pane = 0; pane < core::paneCount; ++pane) {
        CAPTURE(pane);
        CHECK(main().fraPane(pane).isVisible());
        const POINT at = paneAt(pane);
        CHECK(at.x == 8 + 233 * (pane % 4));
        CHECK(at.y == (pane < 4 ? 8 : 297));
    }
    CHECK_FALSE(main().lstPane().isVisible());
    CHECK(main().itemChecked("mnuPane", 6));

    SUBCASE("a menu choice in wide view leaves only that pane, where it stands")
    {
        main().choose("mnuPane", 7);
        checkOnlyPane(7);
        CHECK(paneAt(7).x == 707);
    }
    SUBCASE("back to single view: every pane at the summary's spot, the summary shown and checked")
    {
        main().choose("mnuViewSingle");
        checkOnlyPane(0);
        for (int pane = 0; pane < core::paneCount; ++pane)
            CHECK(paneAt(pane).x == 80);
    }
}

TEST_CASE("switching views keeps the flags and the output")
{
    main().reset();
    main().chkflag(27).setValue(CheckState::Checked);
    main().choose("mnuViewWide");
    main().choose("mnuViewSingle");
    CHECK(main().txtOutput().text() == L"8000000");
    CHECK(main().chkflag(27).value() == CheckState::Checked);
}

TEST_CASE("minimising and restoring keeps the view and the panes")
{
    main().reset();
    main().choose("mnuViewWide");
    ShowWindow(main().handle(), SW_MINIMIZE);
    tests::settle();
    ShowWindow(main().handle(), SW_RESTORE);
    tests::settle();
    CHECK(main().itemChecked("mnuViewWide"));
    CHECK(main().clientPixels().cx == 940);
    for (int pane = 0; pane < core::paneCount; ++pane)
        CHECK(main().fraPane(pane).isVisible());
}

TEST_CASE("reset from the menu and from the button clear every flag")
{
    for (const bool fromMenu : {true, false}) {
        CAPTURE(fromMenu);
        main().reset();
        for (int bit : {0, 13, 27})
            main().chkflag(bit).setValue(CheckState::Checked);
        CHECK(main().txtOutput().text() == L"8002001");
        if (fromMenu)
            main().choose("mnuFileClear");
        else
            main().cmdClearAll().click();
        CHECK(main().txtOutput().text() == L"0");
    }
}

TEST_CASE("a click on a box ticks it and shows the value")
{
    main().reset();
    main().choose("mnuPane", 2);
    auto &box = main().chkflag(7);
    const RECT rect = main().placeOf(box.handle());
    tests::clickAt(main().handle(), {rect.left + 6, (rect.top + rect.bottom) / 2});
    CHECK(box.value() == CheckState::Checked);
    CHECK(main().txtOutput().text() == L"80");
    tests::clickAt(main().handle(), {rect.left + 6, (rect.top + rect.bottom) / 2});
    CHECK(main().txtOutput().text() == L"0");
}
