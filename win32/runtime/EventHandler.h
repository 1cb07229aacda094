// Every event handler of the program runs through runHandler: an exception
// that escapes it ends that handler only, and is shown in the standard error
// report instead of unwinding through Windows' message dispatch.
#pragma once

#include <exception>
#include <string_view>
#include <utility>

namespace bitloom::win32 {

// A modal French error box naming the error, over the active window.
void reportError(std::string_view detail);

template <typename Handler>
void runHandler(Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception &error) {
        reportError(error.what());
    } catch (...) {
        reportError({});
    }
}

} // namespace bitloom::win32
