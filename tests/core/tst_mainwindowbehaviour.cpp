#include "core/MainWindowDefinition.h"
#include "core/MenuDefinition.h"
#include "support/FakeMainWindowControls.h"

#include <doctest.h>

#include <string>
#include <vector>

using namespace bitloom;
using core::PaneIndex;
using core::TwipsPoint;
using flags::CheckState;
using Window = tests::FakeMainWindowControls;

namespace {

// The state of a window just shown: loaded, so in single view.
struct Loaded : Window {
    Loaded() { behaviour.load(); }
};

void checkOnlyPane(const Window &window, int chosen)
{
    for (int pane = 0; pane < core::paneCount; ++pane) {
        CAPTURE(pane);
        CHECK(window.panes[static_cast<std::size_t>(pane)].visible == (pane == chosen));
        CHECK(window.panes[static_cast<std::size_t>(pane)].itemChecked == (pane == chosen));
    }
}

} // namespace

TEST_CASE("recompute writes the value of the checked boxes")
{
    struct Case {
        std::vector<int> checked;
        const char *text;
    };
    std::vector<int> all;
    for (int bit = 0; bit < flags::flagCount; ++bit)
        all.push_back(bit);
    const Case cases[] = {
        {{0}, "1"},
        {{0, 1, 2, 3}, "F"},
        {{0, 1, 2, 3, 4}, "1F"},
        {{27}, "8000000"},
        {{24, 25, 26, 27}, "F000000"},
        {all, "FFFFFFF"},
        {{2, 13, 27}, "8002004"},
    };
    for (const Case &c : cases) {
        CAPTURE(c.text);
        Loaded window;
        for (int bit : c.checked)
            window.setFlag(bit, CheckState::Checked);
        CHECK(window.output == c.text);
        CHECK(window.recomputes == static_cast<int>(c.checked.size()));
        for (int bit : c.checked)
            window.click(bit);
        CHECK(window.output == "0");
    }
}

TEST_CASE("a grayed box counts as clear")
{
    Loaded window;
    window.setFlag(4, CheckState::Checked);
    window.setFlag(5, CheckState::Grayed);
    CHECK(window.output == "10");
}

TEST_CASE("reset clears every box, recomputing once per box that changes")
{
    // The first and the last flag, and some between.
    Loaded window;
    for (int bit : {0, 2, 13, 27})
        window.click(bit);
    window.recomputes = 0;

    window.behaviour.resetFlags();
    CHECK(window.recomputes == 4);
    CHECK(window.output == "0");
    for (CheckState state : window.boxes)
        CHECK(state == CheckState::Unchecked);

    SUBCASE("with nothing set, nothing is recomputed and the text stays")
    {
        window.output = "unchanged";
        window.behaviour.resetFlags();
        CHECK(window.recomputes == 4);
        CHECK(window.output == "unchanged");
    }
}

TEST_CASE("the reset menu item resets as the button does")
{
    Loaded window;
    window.click(7);
    window.behaviour.run(core::menuItem("mnuFileClear"));
    CHECK(window.boxes[7] == CheckState::Unchecked);
    CHECK(window.output == "0");
}

TEST_CASE("a chosen pane is the only one shown and checked")
{
    for (int pane = 0; pane < core::paneCount; ++pane) {
        CAPTURE(pane);
        Loaded window;
        window.behaviour.selectPane(core::paneIndex(pane));
        checkOnlyPane(window, pane);
        window.behaviour.selectPane(core::paneIndex(pane));
        checkOnlyPane(window, pane);
    }
}

TEST_CASE("a pane index outside the panes hides and unchecks every pane")
{
    Loaded window;
    window.behaviour.selectPane(core::paneIndex(8));
    checkOnlyPane(window, -1);
}

TEST_CASE("no list choice shows the summary and checks its item, leaving other panes")
{
    Loaded window;
    window.behaviour.showWideView();
    window.behaviour.selectPane(core::paneIndex(3));
    window.panes[5].visible = true;
    window.behaviour.selectPane(PaneIndex::None);
    CHECK(window.panes[0].visible);
    CHECK(window.panes[3].visible);
    CHECK(window.panes[5].visible);
    CHECK(window.panes[0].itemChecked);
    CHECK_FALSE(window.panes[3].itemChecked);
}

TEST_CASE("the list and the menu choose panes; the menu leaves the list alone")
{
    Loaded window;
    window.list = core::paneIndex(3);
    window.behaviour.paneListClicked();
    checkOnlyPane(window, 3);

    window.behaviour.run(core::menuItem("mnuPane", 5));
    checkOnlyPane(window, 5);
    CHECK(window.list == core::paneIndex(3));
}

TEST_CASE("loading starts single view on the summary pane")
{
    Loaded window;
    CHECK(window.singleItemChecked);
    CHECK_FALSE(window.wideItemChecked);
    CHECK(window.listVisible);
    CHECK(window.client == core::mainWindow::singleViewClient);
    checkOnlyPane(window, 0);
    for (const auto &pane : window.panes)
        CHECK(pane.position == TwipsPoint{1200, 120});
}

TEST_CASE("wide view shows every pane in two rows of four")
{
    Loaded window;
    window.behaviour.selectPane(core::paneIndex(6));
    window.behaviour.showWideView();
    CHECK(window.wideItemChecked);
    CHECK_FALSE(window.singleItemChecked);
    CHECK_FALSE(window.listVisible);
    CHECK(window.client == core::mainWindow::wideViewClient);
    CHECK(window.visiblePanes() == core::paneCount);
    const TwipsPoint expected[] = {{120, 120},  {3615, 120},  {7110, 120},  {10605, 120},
                                   {120, 4455}, {3615, 4455}, {7110, 4455}, {10605, 4455}};
    for (int pane = 0; pane < core::paneCount; ++pane) {
        CAPTURE(pane);
        CHECK(window.panes[static_cast<std::size_t>(pane)].position
              == expected[static_cast<std::size_t>(pane)]);
    }
    // The pane items keep their marks; a pane chosen then stays where it stands.
    CHECK(window.panes[6].itemChecked);
    window.behaviour.selectPane(core::paneIndex(7));
    checkOnlyPane(window, 7);
    CHECK(window.panes[7].position == expected[7]);
}

TEST_CASE("wide view places every pane from the summary pane's size")
{
    Loaded window;
    window.panes[0].size = {3000, 4000};
    window.behaviour.showWideView();
    CHECK(window.panes[7].position == TwipsPoint{3 * 3120 + 120, 4240});
}

TEST_CASE("single view shows the list's choice again")
{
    Loaded window;
    window.list = core::paneIndex(3);
    window.behaviour.paneListClicked();
    window.behaviour.selectPane(core::paneIndex(5));
    window.behaviour.showWideView();
    window.behaviour.showSingleView();
    checkOnlyPane(window, 3);
    for (const auto &pane : window.panes)
        CHECK(pane.position == TwipsPoint{1200, 120});

    SUBCASE("and with no list choice, the summary, checked")
    {
        window.list = PaneIndex::None;
        window.behaviour.selectPane(core::paneIndex(5));
        window.behaviour.showSingleView();
        checkOnlyPane(window, 0);
    }
}

TEST_CASE("quit asks, and ends the program only on Yes")
{
    Loaded window;
    window.click(3);
    window.answers = {core::Answer::No};
    window.behaviour.quit();
    CHECK(window.questions
          == std::vector<std::string>{
              "Confirmation pour Quitter?: Vous êtes sur de vouloir quitter?"});
    CHECK_FALSE(window.ended);
    CHECK(window.output == "8");

    window.answers = {core::Answer::Yes};
    window.behaviour.run(core::menuItem("mnuFileExit"));
    CHECK(window.ended);
}

TEST_CASE("the About item opens the About window")
{
    Loaded window;
    window.behaviour.run(core::menuItem("mnuAbout"));
    window.behaviour.run(core::menuItem("mnuAbout"));
    CHECK(window.aboutOpenings == 2);
}
