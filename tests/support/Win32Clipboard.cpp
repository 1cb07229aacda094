#include "support/Win32Clipboard.h"

#include <cstring>

namespace bitloom::tests {

void setClipboard(UINT format, const void *bytes, std::size_t size)
{
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(data), bytes, size);
    GlobalUnlock(data);
    OpenClipboard(nullptr);
    EmptyClipboard();
    if (!SetClipboardData(format, data))
        GlobalFree(data);
    CloseClipboard();
}

void setClipboardText(const std::wstring &text)
{
    setClipboard(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

std::wstring clipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *chars = static_cast<const wchar_t *>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace bitloom::tests
