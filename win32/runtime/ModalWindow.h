// A small window shown modally over another, as the About window and the
// value window are: laid out in twips for its owner's resolution, centred
// over it, in the dialog font; laid out again when it moves to a monitor of
// another resolution. Each opening creates its window afresh.
#pragma once

#include "Handles.h"
#include "Window.h"

namespace bitloom::win32 {

class ModalWindow : public Window {
protected:
    struct Frame {
        Class windowClass;
        DWORD style;
        DWORD extendedStyle;
        core::TwipsSize client;
    };
    explicit ModalWindow(const Frame &frame)
        : m_frame(frame)
    {
    }

    // Creates the window, hidden, over its owner and at its owner's
    // resolution; the controls are added afterwards with add().
    void open(Window &owner, std::string_view title);
    // Where a control of this window goes, in its font.
    Placement placement(const core::TwipsRect &rect) const;
    // Shows the window modally, the owner taking no input meanwhile, with the
    // focus on the given control; returns once the window is closed (or the
    // program ends), the owner being the active window again.
    void runModal(HWND focus);
    // Closes the window: the owner takes input again before the window goes,
    // so that Windows gives it back the activation, not to another program.
    void close();

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void applyDpi(core::Dpi dpi, const RECT &suggested);
    SIZE outerSize(core::Dpi dpi) const;
    void fitClientArea();

    Frame m_frame;
    Window *m_owner = nullptr;
    UniqueFont m_font;
};

} // namespace bitloom::win32
