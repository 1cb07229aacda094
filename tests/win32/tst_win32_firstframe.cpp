// The main window's first frame holds only what it shows; the digit panes,
// made later, stand where the load and the commands since have put them.
// A program of its own: it must see its window before the first idle.
#include "core/MainWindowDefinition.h"
#include "core/MenuDefinition.h"
#include "core/ObjectName.h"
#include "support/Win32MainWindowFixture.h"

#include <doctest.h>

using namespace bitloom;
namespace def = core::mainWindow;

namespace {

bool inFirstFrame(const def::ControlEntry &entry)
{
    return (entry.kind == def::ControlKind::Frame ? entry.index : entry.pane) <= 0;
}

int childWindowCount(HWND window)
{
    int count = 0;
    EnumChildWindows(
        window,
        [](HWND, LPARAM counter) {
            ++*reinterpret_cast<int *>(counter);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

} // namespace

TEST_CASE("the first frame is the list and the summary pane alone; a digit pane wanted before the "
          "program idles is made where the load put it")
{
    win32::MainWindow window;
    window.show();

    // Every child window is one of the first frame's controls: each costs a
    // trip to the window server before the user sees anything.
    int firstFrameControls = 0;
    for (const def::ControlEntry &entry : def::controls) {
        const std::string name = core::objectName(entry.name, entry.index);
        CAPTURE(name);
        CHECK((window.findControl(name) != nullptr) == inFirstFrame(entry));
        firstFrameControls += inFirstFrame(entry) ? 1 : 0;
    }
    CHECK(childWindowCount(window.handle()) == firstFrameControls);

    // The fourth digit's pane, chosen before the program first idled: made
    // then, in the place single view gives every pane.
    SendMessageW(window.handle(), WM_COMMAND,
                 static_cast<WPARAM>(window.menuBar().commandId({core::Command::ShowPane, 4})), 0);
    const win32::Control *pane = window.findControl("fraPane(4)");
    REQUIRE(pane != nullptr);
    CHECK(IsWindowVisible(pane->handle()));
    const RECT at = tests::placeIn(window.handle(), pane->handle());
    CHECK(at.left == core::toPixels(def::singleViewPanePosition.x, window.layoutDpi()));
    CHECK(at.top == core::toPixels(def::singleViewPanePosition.y, window.layoutDpi()));

    // Once idle, the rest is made, hidden.
    tests::settle();
    CHECK(window.findControl("fraPane(7)") != nullptr);
    CHECK_FALSE(IsWindowVisible(window.findControl("fraPane(7)")->handle()));
    CHECK(childWindowCount(window.handle()) == static_cast<int>(def::controls.size()));
}
