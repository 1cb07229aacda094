#include "support/Win32Input.h"
#include "win32/runtime/Controls.h"
#include "win32/runtime/Program.h"
#include "win32/ui/MainWindow.h"

#include <doctest/doctest.h>

using namespace bitloom;
using namespace bitloom::win32;

TEST_CASE("keyboard")
{
    MainWindow window;
    window.show();
    SetForegroundWindow(window.handle());
    tests::settle();
    auto *output = window.find<LockedEdit>("txtOutput");
    auto *list = window.find<ListBox>("lstPane");
    CHECK(GetFocus() == list->handle());
    tests::pressKeys({VK_CONTROL, 'W'});
    RECT client;
    GetClientRect(window.handle(), &client);
    CHECK(client.right == 940);
    CHECK(client.bottom == 586);
    tests::pressKeys({VK_MENU, 'D'});
    CHECK(GetFocus() == output->handle());
    tests::pressKeys({VK_TAB});
    CHECK(GetFocus() == window.find<CheckBox>("chkflag(0)")->handle());
    tests::pressKeys({VK_SPACE});
    tests::pressKeys({VK_TAB});
    tests::pressKeys({VK_SPACE});
    CHECK(output->text() == L"3");
    tests::pressKeys({VK_ESCAPE});
    CHECK(output->text() == L"0");
}
