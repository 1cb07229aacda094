// A top-level window: it owns its controls' wrappers, hands each control's
// notification to that control, and menu and shortcut commands to
// menuCommand(). It keeps the keyboard focus as a dialog does: on the
// control that had it when the window was last active, and never on a
// control that hid. Every event handler runs through runHandler, and none
// runs once the program has ended.
#pragma once

#include "Control.h"
#include "core/Twips.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace bitloom::win32 {

class Window {
public:
    virtual ~Window();
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    HWND handle() const { return m_handle; }
    // The resolution the window is laid out for.
    core::Dpi layoutDpi() const { return m_dpi; }

    // The control of that object name ("chkflag(3)"), or null.
    Control *findControl(std::string_view name) const;
    template <typename T>
    T *find(std::string_view name) const
    {
        return dynamic_cast<T *>(findControl(name));
    }

    // Notes which of its controls has the focus, to give it back when the
    // window is active again.
    void rememberFocus();

protected:
    Window() = default;

    struct Class {
        const wchar_t *name;
        // The icon's name among the program's resources, or null for none.
        const wchar_t *icon;
    };
    // Where a new window goes, in screen pixels: where Windows puts new
    // windows, and in the size it gives them, unless given.
    struct Bounds {
        std::optional<POINT> position;
        std::optional<SIZE> size;
    };
    // Creates the window, hidden, within those bounds; the controls are added
    // afterwards with add(). It is laid out for the resolution of its
    // monitor, or the given one.
    void create(const Class &windowClass, DWORD style, DWORD extendedStyle, std::string_view title,
                HWND owner, HMENU menu, const Bounds &bounds = {}, core::Dpi dpi = {});
    // Destroys the window and its controls; the object stays for a new create().
    void destroy();
    void setLayoutDpi(core::Dpi dpi) { m_dpi = dpi; }

    // Creates a control of this window; its id comes from the window. The
    // z-order is the order of creation, which Tab and access keys follow.
    template <typename T, typename... Args>
    T &add(std::string name, const Placement &where, Args &&...args)
    {
        auto control = std::make_unique<T>(m_handle, nextControlId(), std::move(name), where,
                                           std::forward<Args>(args)...);
        T &added = *control;
        m_controls.push_back(std::move(control));
        return added;
    }
    const std::vector<std::unique_ptr<Control>> &controls() const { return m_controls; }

    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A menu item or a shortcut with that command id.
    virtual void menuCommand(int id);

    // Sizes the window for a client area of that many pixels; nothing when
    // it has that size. A menu bar that wraps onto a second line, or a frame
    // drawn at another resolution than the layout's, takes from the client
    // area: the window makes up for whatever it got short.
    void setClientPixels(SIZE client, DWORD style, DWORD extendedStyle);

    // Gives a control the focus as the keyboard does.
    void moveFocus(HWND control);

private:
    void restoreFocus();
    void keepFocusVisible(HWND focusBefore);
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    int nextControlId() const;
    Control *controlWithId(int id) const;
    Control *controlWithHandle(HWND control) const;

    HWND m_handle = nullptr;
    core::Dpi m_dpi = core::standardDpi;
    HWND m_lastFocus = nullptr;
    std::vector<std::unique_ptr<Control>> m_controls;
};

} // namespace bitloom::win32
