#include "Dpi.h"

#include "Handles.h"

namespace bitloom::win32 {

namespace {

// Looked up at run time: Windows 7 and 8 have none of these.
template <typename Function>
Function user32Function(const char *name)
{
    static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(user32, name)));
}

using GetDpiForWindowFunction = UINT(WINAPI *)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI *)(LPRECT, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFunction = int(WINAPI *)(int, UINT);

core::Dpi systemDpi()
{
    const WindowDeviceContext screen = windowDeviceContext(nullptr);
    return core::Dpi{GetDeviceCaps(screen.get(), LOGPIXELSY)};
}

} // namespace

core::Dpi dpiOfWindow(HWND window)
{
    static const auto getDpiForWindow = user32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow && window) {
        if (const UINT dpi = getDpiForWindow(window))
            return core::Dpi{static_cast<int>(dpi)};
    }
    return systemDpi();
}

RECT toPixels(const core::TwipsRect &rect, core::Dpi dpi)
{
    const int left = core::toPixels(rect.left, dpi);
    const int top = core::toPixels(rect.top, dpi);
    return {left, top, left + core::toPixels(rect.width, dpi),
            top + core::toPixels(rect.height, dpi)};
}

SIZE windowSizeForClient(SIZE client, DWORD style, DWORD extendedStyle, bool hasMenu, core::Dpi dpi)
{
    static const auto adjustForDpi
        = user32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, client.cx, client.cy};
    if (adjustForDpi)
        adjustForDpi(&rect, style, hasMenu, extendedStyle, static_cast<UINT>(dpi.value));
    else
        AdjustWindowRectEx(&rect, style, hasMenu, extendedStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int systemMetric(int index, core::Dpi dpi)
{
    static const auto forDpi
        = user32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    if (forDpi)
        return forDpi(index, static_cast<UINT>(dpi.value));
    return MulDiv(GetSystemMetrics(index), dpi.value, systemDpi().value);
}

} // namespace bitloom::win32
