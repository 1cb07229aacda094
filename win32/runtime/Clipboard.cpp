#include "Clipboard.h"

#include "text/Utf16.h"

#include <cstring>
#include <cwchar>

namespace bitloom::win32 {

std::optional<std::string> clipboardText(HWND owner)
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner))
        return std::nullopt;
    std::optional<std::string> found;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *chars = static_cast<const wchar_t *>(GlobalLock(data))) {
            const std::size_t room = GlobalSize(data) / sizeof(wchar_t);
            found = text::utf8FromWide({chars, wcsnlen(chars, room)});
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return found;
}

void setClipboard(UINT format, const void *bytes, std::size_t size, HWND owner)
{
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!data)
        return;
    std::memcpy(GlobalLock(data), bytes, size);
    GlobalUnlock(data);
    if (OpenClipboard(owner)) {
        EmptyClipboard();
        // The clipboard owns the memory once it takes it.
        if (SetClipboardData(format, data))
            data = nullptr;
        CloseClipboard();
    }
    if (data)
        GlobalFree(data);
}

void setClipboardText(std::string_view text, HWND owner)
{
    const std::wstring terminated = text::wideFromUtf8(text);
    setClipboard(CF_UNICODETEXT, terminated.c_str(), (terminated.size() + 1) * sizeof(wchar_t),
                 owner);
}

} // namespace bitloom::win32
