// bitloom.exe whole, as a user meets it: started as Windows starts any
// program, driven with the keyboard and the mouse through Windows' input
// queue, and read from outside through window messages.
#include "support/ChildProcess.h"
#include "support/Win32Input.h"
#include "win32/runtime/Clipboard.h"

#include <doctest.h>

#include <functional>
#include <string>
#include <type_traits>

using namespace bitloom;
using wintest::ChildProcess;
using wintest::textOf;
using wintest::visibleWindowTitled;

namespace {

const std::filesystem::path program = wintest::programBeside(L"bitloom.exe");

constexpr std::string_view quitTitle = "Confirmation pour Quitter?";

// Polls until the condition holds, for at most the time given.
bool waitFor(const std::function<bool()> &condition, DWORD milliseconds = 5000)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds)
            return false;
        Sleep(20);
    }
    return true;
}

HWND waitForWindow(DWORD processId, std::string_view title)
{
    HWND window = nullptr;
    waitFor([&] { return (window = visibleWindowTitled(processId, title)) != nullptr; }, 10000);
    return window;
}

// The main window's one edit box: the output.
HWND outputBox(HWND window)
{
    return FindWindowExW(window, nullptr, L"Edit", nullptr);
}

// The program handles input in its own time: what read() gives once it is
// the expected value, or after a few seconds whatever it gives then.
template <typename Read>
std::invoke_result_t<Read> soon(Read read, const std::invoke_result_t<Read> &expected)
{
    auto value = read();
    waitFor([&] { return (value = read()) == expected; });
    return value;
}

std::string clientSizeText(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    return std::to_string(client.right) + " x " + std::to_string(client.bottom);
}

// A left click at a point of the screen.
void clickOnScreen(POINT at)
{
    ScreenToClient(GetDesktopWindow(), &at);
    tests::sendClick(GetDesktopWindow(), at);
}

POINT centreOf(const RECT &rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

struct Started {
    ChildProcess process{program, {}};
    HWND window = nullptr;

    Started()
    {
        WaitForInputIdle(process.handle(), 10000);
        window = waitForWindow(process.id(), "Bitloom");
        if (window)
            SetForegroundWindow(window);
    }
};

} // namespace

TEST_CASE("bitloom.exe: its window, the keyboard, the clipboard, F1, and Ctrl+Q answered Oui")
{
    Started bitloom;
    const HWND window = bitloom.window;
    REQUIRE(window != nullptr);
    REQUIRE(waitFor([&] { return GetForegroundWindow() == window; }));
    const auto client = [&] {
        return clientSizeText(window);
    };
    const HWND output = outputBox(window);
    REQUIRE(output != nullptr);
    const auto value = [&] {
        return textOf(output);
    };

    // The client area below the menu bar, at 96 dpi.
    CHECK(GetMenu(window) != nullptr);
    CHECK(client() == "313 x 297");
    CHECK(value() == "0");

    // Wide view, then from the output box on to the first digit's boxes:
    // bits 0 and 2 ticked make 5.
    tests::sendKeys({VK_CONTROL, 'W'});
    CHECK(soon(client, "940 x 586") == "940 x 586");
    tests::sendKeys({VK_MENU, 'D'});
    for (const WORD key : {VK_TAB, VK_SPACE, VK_TAB, VK_TAB, VK_SPACE})
        tests::sendKeys({key});
    CHECK(soon(value, "5") == "5");

    win32::setClipboardText("");
    tests::sendKeys({VK_MENU, 'D'});
    tests::sendKeys({VK_CONTROL, 'A'});
    tests::sendKeys({VK_CONTROL, 'C'});
    const auto clipboard = [] {
        return win32::clipboardText().value_or("");
    };
    CHECK(soon(clipboard, "5") == "5");

    tests::sendKeys({VK_CONTROL, 'S'});
    CHECK(soon(client, "313 x 297") == "313 x 297");
    CHECK(value() == "5");

    // F1 opens the About window; Esc closes it.
    tests::sendKeys({VK_F1});
    const HWND about = waitForWindow(bitloom.process.id(), "Bitloom 1.0 Build:  0");
    REQUIRE(about != nullptr);
    CHECK_FALSE(IsWindowEnabled(window));
    tests::sendKeys({VK_ESCAPE});
    CHECK(waitFor([&] { return !IsWindow(about) || !IsWindowVisible(about); }));
    CHECK(waitFor([&] { return IsWindowEnabled(window) && GetForegroundWindow() == window; }));

    // Ctrl+Q asks, in French whatever Windows' language; a click on Oui ends
    // the program with 0.
    tests::sendKeys({VK_CONTROL, 'Q'});
    const HWND question = waitForWindow(bitloom.process.id(), quitTitle);
    REQUIRE(question != nullptr);
    const HWND yes = GetDlgItem(question, IDYES);
    const HWND no = GetDlgItem(question, IDNO);
    REQUIRE(yes != nullptr);
    REQUIRE(no != nullptr);
    CHECK(textOf(yes) == "&Oui");
    CHECK(textOf(no) == "&Non");
    RECT button;
    GetWindowRect(yes, &button);
    clickOnScreen(centreOf(button));
    CHECK(bitloom.process.wait(10000) == DWORD{0});
}

TEST_CASE("bitloom.exe: its close box ends it with 0, asking nothing")
{
    Started bitloom;
    const HWND window = bitloom.window;
    REQUIRE(window != nullptr);
    REQUIRE(waitFor([&] { return GetForegroundWindow() == window; }));

    REQUIRE(tests::sendCloseBoxClick(window));

    bool asked = false;
    const bool ended = waitFor([&] {
        asked = asked || visibleWindowTitled(bitloom.process.id(), quitTitle) != nullptr;
        return bitloom.process.wait(0).has_value();
    });
    CHECK_FALSE(asked);
    REQUIRE(ended);
    CHECK(bitloom.process.wait(0) == DWORD{0});
}
