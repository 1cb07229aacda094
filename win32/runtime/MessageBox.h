// Windows' message box, given the program's texts in UTF-8.
#pragma once

#include <windows.h>

#include <string_view>

namespace bitloom::win32 {

// A modal message box over the owner, of that type (MB_OK | MB_ICONWARNING...);
// returns the id of the button that closed it.
int messageBox(HWND owner, std::string_view message, std::string_view title, UINT type);

} // namespace bitloom::win32
