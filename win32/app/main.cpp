#include "win32/runtime/Program.h"
#include "win32/ui/MainWindow.h"

#include <commctrl.h>
#include <windows.h>

// The program takes no command line.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // The manifest asks for version 6 of the common controls: Windows' own
    // look for buttons, boxes and lists.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    bitloom::win32::MainWindow window;
    window.show();
    return bitloom::win32::runMessageLoop();
}
