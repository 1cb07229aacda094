#include "MessageBox.h"

#include "text/Utf16.h"

namespace bitloom::win32 {

int messageBox(HWND owner, std::string_view message, std::string_view title, UINT type)
{
    return MessageBoxW(owner, text::wideFromUtf8(message).c_str(),
                       text::wideFromUtf8(title).c_str(), type);
}

} // namespace bitloom::win32
