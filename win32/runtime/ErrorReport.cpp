#include "core/ErrorReport.h"
#include "EventHandler.h"
#include "MessageBox.h"

#include <windows.h>

#include <string>

namespace bitloom::win32 {

void reportError(std::string_view detail)
{
    std::string text(core::errorReportMessage);
    text += "\n\n";
    text += detail.empty() ? core::unknownErrorDetail : detail;
    messageBox(GetActiveWindow(), text, "Bitloom", MB_OK | MB_ICONERROR);
}

} // namespace bitloom::win32
