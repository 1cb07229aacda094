// The clipboard as the tests fill and read it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace bitloom::tests {

// Puts data of one format on the clipboard, alone.
void setClipboard(UINT format, const void *bytes, std::size_t size);
void setClipboardText(const std::wstring &text);
// The clipboard's text; empty when it holds none.
std::wstring clipboardText();

} // namespace bitloom::tests
