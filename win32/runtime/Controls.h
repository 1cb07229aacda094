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
    CheckBox(HWND parent, int id, std::string name, const Placement &where,
             std::string_view caption);

    flags::CheckState value() const;
    void setValue(flags::CheckState value);

    std::function<void()> onClick;
    void notify(WORD code) override;
};

class PushButton : public Control {
public:
    // A default button answers Enter in its window.
    PushButton(HWND parent, int id, std::string name, const Placement &where,
               std::string_view caption, bool isDefault = false);

    // Clicks the button as the user would.
    void click();
    bool isDefaultButton() const override { return m_isDefault; }

    std::function<void()> onClick;
    void notify(WORD code) override;

private:
    bool m_isDefault;
};

// A single-selection list whose click is raised on every pick the user makes,
// by mouse or keyboard, including a click on the item already selected.
class ListBox : public Control {
public:
    ListBox(HWND parent, int id, std::string name, const Placement &where);
    ~ListBox() override;

    void addItem(std::string_view text);
    int count() const;
    std::string item(int index) const;
    // The selected item, or -1 with none.
    int listIndex() const;

    std::function<void()> onClick;
    void notify(WORD code) override;

private:
    static LRESULT CALLBACK watchClicks(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self);
    bool m_pickedDuringPress = false;
    // The selection before the key being handled, if any.
    static constexpr int noKey = -2;
    int m_indexBeforeKey = noKey;
};

// Text that wraps at word boundaries within its width. An ampersand marks an
// access key, which moves the focus to the next control in tab order.
class Label : public Control {
public:
    enum class AccessKey { None, Marked };
    Label(HWND parent, int id, std::string name, const Placement &where, std::string_view text,
          AccessKey accessKey = AccessKey::None);
};

// An edit box the user can select and copy from but not change. Its
// right-click menu is the program's own, in French whatever the language of
// Windows: copy, and select all.
class LockedEdit : public Control {
public:
    enum class Lines { One, Many };
    LockedEdit(HWND parent, int id, std::string name, const Placement &where, std::string_view text,
               Lines lines);

    ~LockedEdit() override;

    // The selected range, start and end.
    std::pair<int, int> selection() const;

    std::optional<LRESULT> reflect(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK editingKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR);
};

// A one-line box the user types in.
class LineEdit : public Control {
public:
    LineEdit(HWND parent, int id, std::string name, const Placement &where);
};

class GroupBox : public Control {
public:
    GroupBox(HWND parent, int id, std::string name, const Placement &where,
             std::string_view caption);
};

} // namespace bitloom::win32
