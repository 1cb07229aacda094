#include "support/Win32MainWindowFixture.h"
#include "win32/runtime/Clipboard.h"

#include <doctest.h>

#include <commctrl.h>

#include <string_view>
#include <vector>

using namespace bitloom;
using flags::CheckState;
using win32::clipboardText;

TEST_CASE(
    "flags ticked from the keyboard; Alt+D, select all and copy put the value on the clipboard")
{
    auto &window = tests::mainWindow();
    window.reset();
    CHECK(GetFocus() == window.lstPane().handle());
    tests::pressKeys({VK_CONTROL, 'W'});
    CHECK(window.clientPixels().cx == 940);
    CHECK(window.clientPixels().cy == 586);

    tests::pressKeys({VK_MENU, 'D'});
    REQUIRE(GetFocus() == window.txtOutput().handle());
    tests::pressKeys({VK_TAB});
    CHECK(GetFocus() == window.chkflag(0).handle());
    tests::pressKeys({VK_SPACE});
    tests::pressKeys({VK_TAB});
    tests::pressKeys({VK_TAB});
    tests::pressKeys({VK_SPACE});
    CHECK(window.txtOutput().text() == "5");

    tests::pressKeys({VK_MENU, 'D'});
    tests::pressKeys({VK_CONTROL, 'A'});
    tests::pressKeys({VK_CONTROL, 'C'});
    CHECK(clipboardText() == "5");
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
    CHECK(window.txtOutput().text() == "10");
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

TEST_CASE("Alt+R and Esc reset while the summary shows, Esc leaving the focus where it is")
{
    auto &window = tests::mainWindow();
    for (WORD key : {WORD{'R'}, WORD{VK_ESCAPE}}) {
        CAPTURE(key);
        window.reset();
        window.chkflag(9).setValue(CheckState::Checked);
        SetFocus(window.txtOutput().handle());
        if (key == 'R')
            tests::pressKeys({VK_MENU, key});
        else
            tests::pressKeys({key});
        CHECK(window.txtOutput().text() == "0");
        CHECK(window.chkflag(9).value() == CheckState::Unchecked);
        if (key == VK_ESCAPE)
            CHECK(GetFocus() == window.txtOutput().handle());
    }
}

namespace {

// Counts the times a key opened, or tried to open, a menu of the window or of
// one of its controls: where no menu has the key, Windows beeps.
class MenuKeyWatch {
public:
    MenuKeyWatch()
        : m_hook(SetWindowsHookExW(WH_CBT, watch, nullptr, GetCurrentThreadId()))
    {
        count = 0;
    }
    ~MenuKeyWatch() { UnhookWindowsHookEx(m_hook); }
    MenuKeyWatch(const MenuKeyWatch &) = delete;
    MenuKeyWatch &operator=(const MenuKeyWatch &) = delete;

    static inline int count = 0;

private:
    static LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU)
            ++count;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK m_hook;
};

} // namespace

TEST_CASE("on a digit pane Alt+R, Alt+D and Esc do nothing, not even a beep")
{
    auto &window = tests::mainWindow();
    for (WORD key : {WORD{'R'}, WORD{'D'}, WORD{VK_ESCAPE}}) {
        CAPTURE(key);
        window.reset();
        window.chkflag(9).setValue(CheckState::Checked);
        window.choose("mnuPane", 3);
        SetFocus(window.chkflag(9).handle());
        const MenuKeyWatch menuKeys;
        if (key == VK_ESCAPE)
            tests::pressKeys({key});
        else
            tests::pressKeys({VK_MENU, key});
        CHECK(window.txtOutput().text() == "200");
        CHECK(GetFocus() == window.chkflag(9).handle());
        CHECK(MenuKeyWatch::count == 0);
    }
}

TEST_CASE("bare letters are no access keys: the value and the focus stay")
{
    auto &window = tests::mainWindow();
    window.reset();
    window.choose("mnuViewWide");
    window.chkflag(9).setValue(CheckState::Checked);
    for (HWND focus : {window.chkflag(5).handle(), window.cmdClearAll().handle()}) {
        for (WORD letter : {WORD{'R'}, WORD{'D'}, WORD{'F'}, WORD{'Q'}}) {
            CAPTURE(letter);
            SetFocus(focus);
            tests::pressKeys({letter});
            CHECK(window.txtOutput().text() == "200");
            CHECK(GetFocus() == focus);
        }
    }
    // With Alt, they are.
    SetFocus(window.chkflag(5).handle());
    tests::pressKeys({VK_MENU, 'D'});
    CHECK(GetFocus() == window.txtOutput().handle());
    tests::pressKeys({VK_MENU, 'R'});
    CHECK(window.txtOutput().text() == "0");
}

TEST_CASE("arrow keys move among a pane's boxes, never onto a label or a frame")
{
    auto &window = tests::mainWindow();
    window.reset();
    window.choose("mnuViewWide");
    SetFocus(window.chkflag(4).handle());
    tests::pressKeys({VK_DOWN});
    CHECK(GetFocus() == window.chkflag(5).handle());
    tests::pressKeys({VK_UP});
    tests::pressKeys({VK_UP});
    CHECK(GetFocus() == window.chkflag(7).handle());
    for (const std::string_view view : {"mnuViewWide", "mnuViewSingle"}) {
        CAPTURE(view);
        for (int bit : {0, 13, 26, 27}) {
            CAPTURE(bit);
            window.choose(view);
            window.choose("mnuPane", flags::digitOf(bit));
            if (view == "mnuViewWide")
                window.choose(view);
            SetFocus(window.chkflag(bit).handle());
            for (WORD arrow : {WORD{VK_DOWN}, WORD{VK_RIGHT}, WORD{VK_UP}, WORD{VK_LEFT},
                               WORD{VK_DOWN}, WORD{VK_DOWN}, WORD{VK_DOWN}, WORD{VK_DOWN}}) {
                CAPTURE(arrow);
                tests::pressKeys({arrow});
                CHECK(window.focusIsUsable());
            }
        }
    }
    CHECK(window.txtOutput().text() == "0");
}

TEST_CASE("a control that hides with the focus hands it on in tab order")
{
    auto &window = tests::mainWindow();
    window.reset();
    tests::pressKeys({VK_CONTROL, 'W'});
    CHECK(GetFocus() == window.txtOutput().handle());

    SetFocus(window.chkflag(9).handle());
    window.choose("mnuPane", 0);
    CHECK(GetFocus() == window.cmdClearAll().handle());
}

TEST_CASE("the focus comes back to its control when the window is active again")
{
    auto &window = tests::mainWindow();
    window.reset();
    window.choose("mnuViewWide");
    SetFocus(window.chkflag(5).handle());
    tests::switchAwayAndBack(window.handle());
    CHECK(GetForegroundWindow() == window.handle());
    CHECK(GetFocus() == window.chkflag(5).handle());
}

TEST_CASE("the output box's right-click menu is French: copy and select all")
{
    auto &window = tests::mainWindow();
    window.reset();
    CHECK(tests::contextMenuOf(window.txtOutput().handle())
          == std::vector<std::wstring>{L"&Copier\tCtrl+C", L"", L"Tout sélectionner\tCtrl+A"});
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
