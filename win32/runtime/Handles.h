// Owning handles for the USER and GDI objects the windows create. Child
// windows are not among them: their parent window destroys them.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace bitloom::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct AcceleratorTableDeleter {
    void operator()(HACCEL table) const { DestroyAcceleratorTable(table); }
};
struct HookDeleter {
    void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
struct DeviceContextReleaser {
    HWND window;
    void operator()(HDC context) const { ReleaseDC(window, context); }
};

using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueAcceleratorTable
    = std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorTableDeleter>;
using UniqueHook = std::unique_ptr<std::remove_pointer_t<HHOOK>, HookDeleter>;
using WindowDeviceContext = std::unique_ptr<std::remove_pointer_t<HDC>, DeviceContextReleaser>;

inline WindowDeviceContext windowDeviceContext(HWND window)
{
    return WindowDeviceContext(GetDC(window), DeviceContextReleaser{window});
}

// Selects an object into a device context for the lifetime of this guard.
class SelectedObject {
public:
    SelectedObject(HDC context, HGDIOBJ object)
        : m_context(context)
        , m_previous(SelectObject(context, object))
    {
    }
    ~SelectedObject() { SelectObject(m_context, m_previous); }
    SelectedObject(const SelectedObject &) = delete;
    SelectedObject &operator=(const SelectedObject &) = delete;

private:
    HDC m_context;
    HGDIOBJ m_previous;
};

} // namespace bitloom::win32
