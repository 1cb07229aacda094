#pragma once

#include "core/Answer.h"

#include <windows.h>

#include <string_view>

namespace bitloom::win32 {

// A modal Yes/No question with the question icon and Yes as the default
// button. Its buttons read "Oui" and "Non" whatever the language of Windows.
// The user must answer: Esc and the close box do nothing.
core::Answer askQuestion(HWND owner, std::string_view message, std::string_view title);

} // namespace bitloom::win32
