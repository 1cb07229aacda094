#include "core/AboutWindowDefinition.h"
#include "support/ChildProcess.h"
#include "support/Win32MainWindowFixture.h"
#include "support/Win32ModalAnswer.h"
#include "text/Utf16.h"
#include "win32/runtime/Handles.h"
#include "win32/ui/AboutWindow.h"

#include <doctest.h>

using namespace bitloom;
using wintest::textOf;

namespace {

// What the About window showed, read while it was up.
struct Seen {
    std::string title;
    std::string text;
    std::string button;
    bool buttonFocused = false;
    bool mainDisabled = false;
    DWORD style = 0;
    DWORD extendedStyle = 0;
    SIZE client{};
    bool textFits = false;
    std::pair<int, int> selection{};
};

Seen read(HWND about)
{
    Seen seen;
    seen.title = textOf(about);
    auto *window = tests::mainWindow().window().aboutWindow();
    const auto &text = *window->find<win32::LockedEdit>("txtAbout");
    const auto &button = *window->find<win32::PushButton>("Command1");
    seen.text = text.text();
    seen.button = button.text();
    seen.buttonFocused = GetFocus() == button.handle();
    seen.mainDisabled = !IsWindowEnabled(tests::mainWindow().handle());
    seen.style = static_cast<DWORD>(GetWindowLongPtrW(about, GWL_STYLE));
    seen.extendedStyle = static_cast<DWORD>(GetWindowLongPtrW(about, GWL_EXSTYLE));
    RECT client;
    GetClientRect(about, &client);
    seen.client = {client.right, client.bottom};
    seen.selection = text.selection();

    // The whole text, wrapped within the box, fits its height.
    RECT box;
    SendMessageW(text.handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&box));
    const auto context = win32::windowDeviceContext(text.handle());
    const win32::SelectedObject font(context.get(), text.font());
    RECT area{0, 0, box.right - box.left, 0};
    const std::wstring wide = text::wideFromUtf8(seen.text);
    DrawTextW(context.get(), wide.c_str(), static_cast<int>(wide.size()), &area,
              DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    seen.textFits = area.bottom <= box.bottom - box.top;
    return seen;
}

Seen openAbout(std::vector<tests::Win32ModalAnswer::Step> then)
{
    Seen seen;
    std::vector<tests::Win32ModalAnswer::Step> steps{[&seen](HWND about) {
        seen = read(about);
    }};
    steps.insert(steps.end(), then.begin(), then.end());
    const tests::Win32ModalAnswer answer(tests::mainWindow().handle(), steps);
    tests::pressKeys({VK_F1});
    REQUIRE(answer.answered());
    CHECK_FALSE(answer.gaveUp());
    return seen;
}

bool aboutIsOpen()
{
    auto *window = tests::mainWindow().window().aboutWindow();
    return window && window->handle() && IsWindowVisible(window->handle());
}

} // namespace

TEST_CASE(
    "F1 opens the About window: caption, text, the close button focused, the main window idle")
{
    tests::mainWindow().reset();
    const Seen seen = openAbout({[](HWND) {
        tests::sendKeys({VK_ESCAPE});
    }});
    CHECK(seen.title == "Bitloom 1.0 Build:  0");
    CHECK(seen.text == core::aboutWindow::aboutText);
    CHECK(seen.button == "&Fermer");
    CHECK(seen.buttonFocused);
    CHECK(seen.selection.first == seen.selection.second);
    CHECK(seen.mainDisabled);
    CHECK(seen.client.cx == 273);
    CHECK(seen.client.cy == 200);
    CHECK(seen.textFits);
    // A fixed tool window: a close box, nothing to resize, minimise or maximise.
    CHECK((seen.extendedStyle & WS_EX_TOOLWINDOW) != 0);
    CHECK((seen.style & WS_SYSMENU) != 0);
    CHECK((seen.style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0);
    CHECK_FALSE(aboutIsOpen());
    CHECK(IsWindowEnabled(tests::mainWindow().handle()));
}

TEST_CASE("the button, Enter, Esc and the close box each close it")
{
    const std::vector<std::pair<const char *, tests::Win32ModalAnswer::Step>> ways{
        {"button",
         [](HWND) {
             tests::mainWindow()
                 .window()
                 .aboutWindow()
                 ->find<win32::PushButton>("Command1")
                 ->click();
         }},
        {"Enter",
         [](HWND) {
             tests::sendKeys({VK_RETURN});
         }},
        {"Esc",
         [](HWND) {
             tests::sendKeys({VK_ESCAPE});
         }},
        {"Alt+F",
         [](HWND) {
             tests::sendKeys({VK_MENU, 'F'});
         }},
        {"close box",
         [](HWND about) {
             PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
         }},
    };
    for (const auto &[way, close] : ways) {
        CAPTURE(way);
        tests::mainWindow().reset();
        openAbout({close});
        CHECK_FALSE(aboutIsOpen());
        CHECK(IsWindowEnabled(tests::mainWindow().handle()));
    }
}

TEST_CASE("each opening loads the one About window afresh")
{
    tests::mainWindow().reset();
    openAbout({[](HWND) {
        tests::sendKeys({VK_ESCAPE});
    }});
    const win32::AboutWindow *first = tests::mainWindow().window().aboutWindow();
    const int loads = first->loads();

    // Select some text, then close; the next opening shows none of it.
    const Seen again = openAbout({[](HWND) {
                                      SendMessageW(tests::mainWindow()
                                                       .window()
                                                       .aboutWindow()
                                                       ->find<win32::LockedEdit>("txtAbout")
                                                       ->handle(),
                                                   EM_SETSEL, 3, 9);
                                  },
                                  [](HWND) {
                                      tests::sendKeys({VK_ESCAPE});
                                  }});
    const Seen third = openAbout({[](HWND) {
        tests::sendKeys({VK_RETURN});
    }});
    CHECK(tests::mainWindow().window().aboutWindow() == first);
    CHECK(first->loads() == loads + 2);
    CHECK(third.selection.first == third.selection.second);
    CHECK(third.title == again.title);
    CHECK(third.text == again.text);

    // Only one About window ever exists.
    int aboutWindows = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM count) -> BOOL {
            wchar_t name[64];
            GetClassNameW(window, name, 64);
            *reinterpret_cast<int *>(count) += std::wstring(name) == L"BitloomAboutWindow";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&aboutWindows));
    CHECK(aboutWindows == 0);
}

TEST_CASE("typing in the About text changes nothing")
{
    tests::mainWindow().reset();
    std::string after;
    openAbout({[](HWND) {
                   SetFocus(tests::mainWindow()
                                .window()
                                .aboutWindow()
                                ->find<win32::LockedEdit>("txtAbout")
                                ->handle());
                   tests::sendKeys({'X'});
                   tests::sendKeys({VK_DELETE});
               },
               [&after](HWND) {
                   after = tests::mainWindow()
                               .window()
                               .aboutWindow()
                               ->find<win32::LockedEdit>("txtAbout")
                               ->text();
                   tests::sendKeys({VK_ESCAPE});
               }});
    CHECK(after == core::aboutWindow::aboutText);
}

namespace {

// Where a control stands in its window's client area, in pixels.
RECT placeIn(HWND window, HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

struct Layout {
    SIZE client{};
    RECT button{};
    LONG fontHeight = 0;
};

Layout layoutOf(HWND about)
{
    Layout layout;
    RECT client;
    GetClientRect(about, &client);
    layout.client = {client.right, client.bottom};
    const auto &button
        = *tests::mainWindow().window().aboutWindow()->find<win32::PushButton>("Command1");
    layout.button = placeIn(about, button.handle());
    LOGFONTW font{};
    GetObjectW(button.font(), sizeof font, &font);
    layout.fontHeight = font.lfHeight;
    return layout;
}

void checkLayout(const Layout &layout, core::Dpi dpi)
{
    CAPTURE(dpi.value);
    const auto &def = core::aboutWindow::closeButton;
    CHECK(layout.client.cx == core::toPixels(core::aboutWindow::clientSize.width, dpi));
    CHECK(layout.client.cy == core::toPixels(core::aboutWindow::clientSize.height, dpi));
    CHECK(layout.button.left == core::toPixels(def.left, dpi));
    CHECK(layout.button.top == core::toPixels(def.top, dpi));
    CHECK(layout.button.right - layout.button.left == core::toPixels(def.width, dpi));
    // 8 points at that resolution.
    CHECK(layout.fontHeight == -MulDiv(8, dpi.value, 72));
}

} // namespace

TEST_CASE("the About window opens at its owner's resolution and follows it to another")
{
    auto &main = tests::mainWindow();
    main.reset();
    main.window().applyDpi(core::Dpi{144});
    Layout opened;
    Layout moved;
    openAbout({[&opened](HWND about) {
                   opened = layoutOf(about);
                   // As when the window is dragged onto a monitor at 200 %.
                   RECT suggested;
                   GetWindowRect(about, &suggested);
                   SendMessageW(about, WM_DPICHANGED, MAKEWPARAM(192, 192),
                                reinterpret_cast<LPARAM>(&suggested));
               },
               [&moved](HWND about) {
                   moved = layoutOf(about);
                   tests::sendKeys({VK_ESCAPE});
               }});
    main.window().applyDpi(core::standardDpi);
    checkLayout(opened, core::Dpi{144});
    checkLayout(moved, core::Dpi{192});
}

TEST_CASE("the About text's right-click menu is French: copy and select all")
{
    tests::mainWindow().reset();
    std::vector<std::wstring> items;
    openAbout({[&items](HWND) {
        items = tests::contextMenuOf(tests::mainWindow()
                                         .window()
                                         .aboutWindow()
                                         ->find<win32::LockedEdit>("txtAbout")
                                         ->handle());
        tests::sendKeys({VK_ESCAPE});
    }});
    CHECK(items
          == std::vector<std::wstring>{L"&Copier\tCtrl+C", L"", L"Tout sélectionner\tCtrl+A"});
}
