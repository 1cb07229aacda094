// A top-level window: it owns its controls' wrappers, hands each control's
// notification to that control, and menu and shortcut commands to
// menuCommand(). Every event handler runs through runHandler, and none runs
// once the program has ended.
#pragma once

#include "Control.h"
#include "core/Twips.h"

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

namespace bitloom::win32 {

class Window {
public:
    virtual ~Window();
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    HWND handle() const { return m_handle; }
    core::Dpi dpi() const;

    // The control of that object name ("chkflag(3)"), or null.
    Control *findControl(std::string_view name) const;
    template <typename T>
    T *find(std::string_view name) const
    {
        return dynamic_cast<T *>(findControl(name));
    }

protected:
    Window() = default;

    struct Class {
        const wchar_t *name;
        HICON icon;
    };
    // Creates the window; the controls are added afterwards with add().
    void create(const Class &windowClass, DWORD style, DWORD extendedStyle, std::wstring_view title,
                HWND owner, HMENU menu);
    // Destroys the window and its controls; the object stays for a new create().
    void destroy();

    // Creates a control of this window; its id comes from the window. Controls
    // added in tab order keep that order for Tab and access keys.
    template <typename T, typename... Args>
    T &add(std::string name, Args &&...args)
    {
        auto control = std::make_unique<T>(m_handle, nextControlId(), std::move(name),
                                           std::forward<Args>(args)...);
        T &added = *control;
        m_controls.push_back(std::move(control));
        return added;
    }
    const std::vector<std::unique_ptr<Control>> &controls() const { return m_controls; }

    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A menu item or a shortcut with that command id.
    virtual void menuCommand(int id);

    // Gives a control the focus as the keyboard does.
    void moveFocus(HWND control);

    // Gives every control the font, places it at its geometry within the
    // client area at the window's resolution, and shows it.
    void showControls(HFONT font);
    // Sizes the window for its client area at its resolution and centres it
    // over its owner.
    void placeOver(HWND owner, core::TwipsSize client, DWORD style, DWORD extendedStyle);
    // Shows the window modally over its owner, which takes no input
    // meanwhile, with the focus on the given control; returns once the window
    // is destroyed or the program ends.
    void runModal(HWND owner, HWND focus);

private:
    void keepFocusVisible();
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    int nextControlId() const;
    Control *controlWithId(int id) const;

    HWND m_handle = nullptr;
    std::vector<std::unique_ptr<Control>> m_controls;
};

} // namespace bitloom::win32
