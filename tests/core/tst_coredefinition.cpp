#include "core/AboutCaption.h"
#include "core/FlagToolTip.h"
#include "core/MainWindowDefinition.h"
#include "core/MenuDefinition.h"
#include "core/ObjectName.h"
#include "core/Twips.h"

#include <doctest.h>

#include <cctype>
#include <cstdio>
#include <set>
#include <stdexcept>
#include <string>

using namespace bitloom::core;
namespace def = bitloom::core::mainWindow;

TEST_CASE("twips become pixels at the window's resolution, rounded to nearest")
{
    struct Case {
        int twips;
        int dpi;
        int pixels;
    };
    const Case cases[] = {
        {0, 96, 0},      {15, 96, 1},      {7, 96, 0},         {8, 96, 1},       {120, 96, 8},
        {3375, 96, 225}, {3190, 96, 213},  {-8, 96, -1},       {14100, 96, 940}, {4455, 96, 297},
        {120, 120, 10},  {3375, 120, 281}, {3375, 144, 338},   {120, 192, 16},   {3375, 192, 450},
        {15, 192, 2},    {1, 192, 0},      {14100, 192, 1880}, {4695, 144, 470},
    };
    for (const Case &c : cases) {
        CAPTURE(c.twips);
        CAPTURE(c.dpi);
        CHECK(toPixels(c.twips, Dpi{c.dpi}) == c.pixels);
    }
    CHECK(toTwips(313) == 4695);
    CHECK(toTwips(626, Dpi{192}) == 4695);
}

TEST_CASE("the client areas hold the panes with their margins")
{
    CHECK(def::singleViewClient == TwipsSize{4695, 4455});
    CHECK(def::wideViewClient == TwipsSize{14100, 8790});
    CHECK(def::widePanePosition(7, def::paneSize) == TwipsPoint{10605, 4455});
    // The last pane of wide view ends a margin short of the client's edges.
    const TwipsPoint last = def::widePanePosition(7, def::paneSize);
    CHECK(last.x + def::paneSize.width + def::paneMargin == def::wideViewClient.width);
    CHECK(last.y + def::paneSize.height + def::paneMargin == def::wideViewClient.height);
}

TEST_CASE("every control of a pane lies inside the pane")
{
    for (const def::ControlEntry &entry : def::controls) {
        if (entry.pane < 0)
            continue;
        CAPTURE(objectName(entry.name, entry.index));
        CHECK(entry.rect.left > 0);
        CHECK(entry.rect.top > 0);
        CHECK(entry.rect.left + entry.rect.width < def::paneSize.width);
        CHECK(entry.rect.top + entry.rect.height < def::paneSize.height);
    }
}

TEST_CASE("each flag's tooltip gives its mask, its digit and the digit's value")
{
    CHECK(flagToolTip(0) == "0x1 : 1er chiffre, valeur 1");
    CHECK(flagToolTip(3) == "0x8 : 1er chiffre, valeur 8");
    CHECK(flagToolTip(7) == "0x80 : 2e chiffre, valeur 8");
    CHECK(flagToolTip(17) == "0x20000 : 5e chiffre, valeur 2");
    CHECK(flagToolTip(27) == "0x8000000 : 7e chiffre, valeur 8");
    CHECK_THROWS_AS(flagToolTip(28), std::out_of_range);
    CHECK_THROWS_AS(flagToolTip(-1), std::out_of_range);

    // Read back, every tooltip adds up: the digit's value in its place is the mask.
    for (int bit = 0; bit < bitloom::flags::flagCount; ++bit) {
        const std::string text = flagToolTip(bit);
        CAPTURE(text);
        unsigned mask = 0;
        int digit = 0;
        char ordinal[4]{};
        unsigned value = 0;
        REQUIRE(std::sscanf(text.c_str(), "0x%X : %d%3[er] chiffre, valeur %u", &mask, &digit,
                            ordinal, &value)
                == 4);
        CHECK(mask == 1u << bit);
        CHECK(std::string(ordinal) == (digit == 1 ? "er" : "e"));
        CHECK(value <= 8);
        CHECK((value << 4 * (digit - 1)) == mask);
    }
}

TEST_CASE("the main window's controls, in tab order from 0 to 69, panes before what they hold")
{
    REQUIRE(def::controls.size() == 70);
    std::set<std::string> names;
    std::set<int> panesMet;
    for (std::size_t i = 0; i < def::controls.size(); ++i) {
        const def::ControlEntry &entry = def::controls[i];
        CAPTURE(entry.name);
        CHECK(entry.tabIndex == static_cast<int>(i));
        CHECK(names.insert(objectName(entry.name, entry.index)).second);
        if (entry.kind == def::ControlKind::Frame)
            panesMet.insert(entry.index);
        else if (entry.pane >= 0)
            CHECK(panesMet.count(entry.pane) == 1);
    }

    // Where the layout breaks its own pattern, and a few of each kind.
    struct Notable {
        const char *name;
        int index;
        int pane;
        TwipsRect rect;
        int tabIndex;
    };
    const Notable notable[] = {
        {"lstPane", -1, -1, {120, 240, 915, 4155}, 0},
        {"fraPane", 0, -1, {1200, 120, 3375, 4215}, 1},
        {"txtOutput", -1, 0, {1560, 1920, 1575, 345}, 4},
        {"fraPane", 1, -1, {0, 0, 3375, 4215}, 5},
        {"lblDescription", 0, 1, {120, 480, 3135, 735}, 6},
        {"chkflag", 0, 1, {240, 240, 3015, 255}, 7},
        {"lblDescription", 5, 2, {120, 1440, 3190, 735}, 17},
        {"chkflag", 7, 2, {240, 3120, 3015, 255}, 22},
        {"fraPane", 7, -1, {0, 0, 3375, 4215}, 59},
        {"chkflag", 26, 7, {240, 2160, 3015, 255}, 65},
        {"lblInstructions", -1, 0, {120, 2400, 3135, 495}, 66},
        {"cmdClearAll", -1, 0, {840, 3360, 1695, 495}, 67},
        {"chkflag", 27, 7, {120, 3120, 3015, 255}, 68},
        {"lblDescription", 27, 7, {120, 3360, 3135, 735}, 69},
    };
    for (const Notable &n : notable) {
        const def::ControlEntry &entry = def::controls[static_cast<std::size_t>(n.tabIndex)];
        CAPTURE(objectName(n.name, n.index));
        CHECK(entry.name == n.name);
        CHECK(entry.index == n.index);
        CHECK(entry.pane == n.pane);
        CHECK(entry.rect == n.rect);
    }
    CHECK(def::controls[7].text == "1G_BOOST");
    CHECK(def::controls[68].text == "SPECIAL_FLIGHT");
    CHECK(def::controls[5].text == "1er Chiffre");
}

TEST_CASE("within each menu, no two items share an access key")
{
    for (const Menu &menu : menuBar) {
        std::set<char> keys;
        for (const MenuItem &item : menu.items) {
            if (item.isSeparator())
                continue;
            const auto amp = item.caption.find('&');
            REQUIRE(amp != std::string_view::npos);
            CAPTURE(item.caption);
            CHECK(keys.insert(static_cast<char>(
                                  std::toupper(static_cast<unsigned char>(item.caption[amp + 1]))))
                      .second);
        }
    }
}

TEST_CASE("menu items are found by name, shortcuts read as menus show them")
{
    CHECK(menuBar[1].caption == "&Edition");
    CHECK(menuItem("mnuPane", 3).caption == "&3e Chiffre");
    CHECK(menuItem("mnuEditUndo").caption == "&Annuler");
    CHECK(menuItem("mnuEditType").caption == "&Saisir une valeur...");
    CHECK(menuItem("mnuViewWide").checkedAtStart);
    CHECK_THROWS_AS(menuItem("mnuPane"), std::out_of_range);
    CHECK_THROWS_AS(menuItem("mnuPane", 8), std::out_of_range);

    const std::pair<const char *, const char *> shortcuts[] = {
        {"mnuFileClear", ""},        {"mnuFileExit", "Ctrl+Q"}, {"mnuEditUndo", "Ctrl+Z"},
        {"mnuEditRedo", "Ctrl+Y"},   {"mnuEditCopy", "Ctrl+C"}, {"mnuEditPaste", "Ctrl+V"},
        {"mnuViewSingle", "Ctrl+S"}, {"mnuViewWide", "Ctrl+W"}, {"mnuAbout", "F1"},
    };
    for (const auto &[name, shortcut] : shortcuts)
        CHECK(shortcutText(menuItem(name).shortcut) == shortcut);
}

TEST_CASE("control arrays name their elements with the index")
{
    CHECK(objectName("chkflag", 27) == "chkflag(27)");
    CHECK(objectName("fraPane", 0) == "fraPane(0)");
}

TEST_CASE("the About caption: name, major.minor, two spaces, revision")
{
    CHECK(aboutCaption({1, 0, 0}) == "Bitloom 1.0 Build:  0");
    CHECK(aboutCaption({2, 15, 7}) == "Bitloom 2.15 Build:  7");
    CHECK(aboutCaption({1, 5, 0}) == "Bitloom 1.5 Build:  0");
    CHECK(aboutCaption({1, 10, 65535}) == "Bitloom 1.10 Build:  65535");
}
