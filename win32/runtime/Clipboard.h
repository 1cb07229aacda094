// The clipboard's text, as the program and its tests read and fill it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace bitloom::win32 {

// The clipboard's text, or nothing when it holds none. The text ends at its
// first NUL, or where its memory does.
std::optional<std::string> clipboardText(HWND owner = nullptr);

// Puts data of one format on the clipboard, alone.
void setClipboard(UINT format, const void *bytes, std::size_t size, HWND owner = nullptr);
void setClipboardText(std::string_view text, HWND owner = nullptr);

} // namespace bitloom::win32
