// The one Win32 main window of a test run, shown on the virtual screen, with
// typed access to its controls by name. The program's end is final, so a test
// program keeps one window for all its tests.
#pragma once

#include "support/Win32Input.h"
#include "win32/runtime/Controls.h"
#include "win32/runtime/Program.h"
#include "win32/ui/MainWindow.h"

#include <memory>
#include <string>

namespace bitloom::tests {

// Where a control stands in its window's client area, in pixels.
inline RECT placeIn(HWND window, HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

class Win32MainWindowFixture {
public:
    Win32MainWindowFixture()
        : m_window(std::make_unique<win32::MainWindow>())
    {
        m_window->show();
        SetForegroundWindow(m_window->handle());
        settle();
    }

    win32::MainWindow &window() const { return *m_window; }
    HWND handle() const { return m_window->handle(); }

    template <typename T>
    T &control(const std::string &name) const
    {
        T *found = m_window->find<T>(name);
        if (!found)
            throw std::runtime_error("no control " + name);
        return *found;
    }
    win32::CheckBox &chkflag(int bit) const
    {
        return control<win32::CheckBox>("chkflag(" + std::to_string(bit) + ")");
    }
    win32::GroupBox &fraPane(int pane) const
    {
        return control<win32::GroupBox>("fraPane(" + std::to_string(pane) + ")");
    }
    win32::ListBox &lstPane() const { return control<win32::ListBox>("lstPane"); }
    win32::LockedEdit &txtOutput() const { return control<win32::LockedEdit>("txtOutput"); }
    win32::PushButton &cmdClearAll() const { return control<win32::PushButton>("cmdClearAll"); }

    // A menu item by its object name in the shared menu table.
    static win32::MenuCommand item(std::string_view name, int index = -1)
    {
        const core::MenuItem &item = core::menuItem(name, index);
        return {item.command, item.index};
    }
    bool itemChecked(std::string_view name, int index = -1) const
    {
        return m_window->menuBar().isChecked(item(name, index));
    }
    bool itemEnabled(std::string_view name) const
    {
        return m_window->menuBar().isEnabled(item(name));
    }
    std::string itemCaption(std::string_view name) const
    {
        return m_window->menuBar().caption(item(name));
    }
    // Chooses a menu item as a click in its menu does.
    void choose(std::string_view name, int index = -1) const
    {
        SendMessageW(handle(), WM_COMMAND,
                     static_cast<WPARAM>(m_window->menuBar().commandId(item(name, index))), 0);
        settle();
    }

    SIZE clientPixels() const
    {
        RECT client;
        GetClientRect(handle(), &client);
        return {client.right, client.bottom};
    }
    // Where a control stands in the window's client area, in pixels.
    RECT placeOf(HWND control) const { return placeIn(handle(), control); }

    // Whether the keyboard focus is on a control of the window that takes it
    // and shows: never a label, a frame, a hidden control or the bare window.
    bool focusIsUsable() const
    {
        const HWND focus = GetFocus();
        return focus && IsChild(handle(), focus) && IsWindowVisible(focus)
               && (GetWindowLongPtrW(focus, GWL_STYLE) & WS_TABSTOP);
    }

    // Back to the state of a fresh start: no flag set, single view, the
    // summary pane shown with its menu item checked, no list choice, nothing
    // to undo, the focus on the list.
    void reset() const
    {
        for (int bit = 0; bit < 28; ++bit)
            chkflag(bit).setValue(flags::CheckState::Unchecked);
        SendMessageW(lstPane().handle(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        choose("mnuPane", 0);
        choose("mnuViewSingle");
        m_window->forgetEditHistory();
        SetForegroundWindow(handle());
        SetFocus(lstPane().handle());
        settle();
    }

private:
    std::unique_ptr<win32::MainWindow> m_window;
};

// The test program's one window, made at its first use.
inline Win32MainWindowFixture &mainWindow()
{
    static Win32MainWindowFixture fixture;
    return fixture;
}

} // namespace bitloom::tests
