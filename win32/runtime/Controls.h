// The kinds of control the windows use, each a thin wrapper with the events
// the windows rely on.
#pragma once

#include "Control.h"
#include "flags/CheckState.h"

#include <functional>

namespace bitloom::win32 {

// A two-state check box whose click is raised on a user's click and when the
// program changes its value, but not when the value is set to what it
// already was. Only the program can make it grayed.
class CheckBox : public Control {
public:
    CheckBox(HWND parent, int id, std::string name, std::wstring_view caption);

    flags::CheckState value() const;
    void setValue(flags::CheckState value);

    std::function<void()> onClick;
    void notify(WORD code) override;
};

class PushButton : public Control {
public:
    // A default button answers Enter in its window.
    PushButton(HWND parent, int id, std::string name, std::wstring_view caption,
               bool isDefault = false);

    // Clicks the button as the user would.
    void click();

    std::function<void()> onClick;
    void notify(WORD code) override;
};

// A single-selection list whose click is raised on every pick the user makes,
// by mouse or keyboard, including a click on the item already selected.
class ListBox : public Control {
public:
    ListBox(HWND parent, int id, std::string name);
    ~ListBox() override;

    void addItem(std::wstring_view text);
    int count() const;
    std::wstring item(int index) const;
    // The selected item, or -1 with none.
    int listIndex() const;

    std::function<void()> onClick;
    void notify(WORD code) override;

private:
    static LRESULT CALLBACK watchClicks(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self);
    bool m_pickedDuringPress = false;
};

// Text that wraps at word boundaries within its width. An ampersand marks an
// access key, which moves the focus to the next control in tab order.
class Label : public Control {
public:
    enum class AccessKey { None, Marked };
    Label(HWND parent, int id, std::string name, std::wstring_view text,
          AccessKey accessKey = AccessKey::None);
};

// An edit box the user can select and copy from but not change.
class LockedEdit : public Control {
public:
    enum class Lines { One, Many };
    LockedEdit(HWND parent, int id, std::string name, std::wstring_view text, Lines lines);

    ~LockedEdit() override;

    // The selected range, start and end.
    std::pair<int, int> selection() const;

private:
    static LRESULT CALLBACK selectAllKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR);
};

// A one-line box the user types in.
class LineEdit : public Control {
public:
    LineEdit(HWND parent, int id, std::string name);
};

class GroupBox : public Control {
public:
    GroupBox(HWND parent, int id, std::string name, std::wstring_view caption);
};

// A horizontal rule in a system colour (COLOR_BTNSHADOW...): from x1 to x2 at
// height y (twips, within the container), drawn with a pen of the given width
// in pixels at 96 dpi, centred on y.
class Rule : public Control {
public:
    struct Line {
        int x1;
        int x2;
        int y;
        int penPixels;
    };
    Rule(HWND parent, int id, std::string name, Line line, int systemColour);

    void place(POINT origin, core::Dpi dpi) override;

private:
    Line m_line;
};

} // namespace bitloom::win32
