#include "Controls.h"

#include "EventHandler.h"
#include "text/Utf16.h"

#include <commctrl.h>
#include <windowsx.h>

#include <utility>

namespace bitloom::win32 {

using flags::CheckState;

CheckBox::CheckBox(HWND parent, int id, std::string name, const Placement &where,
                   std::string_view caption)
    // A manual box: the click toggles it here, so that a grayed box, set by
    // the program, becomes checked like any other clear one.
    : Control(parent, id, std::move(name), where, {L"BUTTON", BS_3STATE | WS_TABSTOP}, caption)
{
}

CheckState CheckBox::value() const
{
    switch (SendMessageW(handle(), BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
        return CheckState::Checked;
    case BST_INDETERMINATE:
        return CheckState::Grayed;
    default:
        return CheckState::Unchecked;
    }
}

void CheckBox::setValue(CheckState value)
{
    if (value == this->value())
        return;
    const WPARAM check = value == CheckState::Checked  ? BST_CHECKED
                         : value == CheckState::Grayed ? BST_INDETERMINATE
                                                       : BST_UNCHECKED;
    SendMessageW(handle(), BM_SETCHECK, check, 0);
    if (onClick)
        onClick();
}

void CheckBox::notify(WORD code)
{
    if (code == BN_CLICKED)
        setValue(value() == CheckState::Checked ? CheckState::Unchecked : CheckState::Checked);
}

PushButton::PushButton(HWND parent, int id, std::string name, const Placement &where,
                       std::string_view caption, bool isDefault)
    : Control(
        parent, id, std::move(name), where,
        {L"BUTTON", (isDefault ? DWORD{BS_DEFPUSHBUTTON} : DWORD{BS_PUSHBUTTON}) | WS_TABSTOP},
        caption)
    , m_isDefault(isDefault)
{
}

void PushButton::click()
{
    SendMessageW(handle(), BM_CLICK, 0, 0);
}

void PushButton::notify(WORD code)
{
    if (code == BN_CLICKED && onClick)
        onClick();
}

ListBox::ListBox(HWND parent, int id, std::string name, const Placement &where)
    : Control(parent, id, std::move(name), where,
              {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_TABSTOP, WS_EX_CLIENTEDGE}, {})
{
    SetWindowSubclass(handle(), watchClicks, 0, reinterpret_cast<DWORD_PTR>(this));
}

ListBox::~ListBox()
{
    RemoveWindowSubclass(handle(), watchClicks, 0);
}

LRESULT CALLBACK ListBox::watchClicks(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self)
{
    auto *list = reinterpret_cast<ListBox *>(self);
    // A second click soon after the first comes as a double click.
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK)
        list->m_pickedDuringPress = false;
    // A key picks an item only where it moves the selection; some lists
    // report a change for Up on the first item all the same.
    const bool key = message == WM_KEYDOWN || message == WM_CHAR;
    if (key)
        list->m_indexBeforeKey = list->listIndex();
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (key)
        list->m_indexBeforeKey = noKey;
    // A click on the item already selected changes no selection, so Windows
    // reports nothing; yet it is a pick all the same.
    if (message == WM_LBUTTONUP && !list->m_pickedDuringPress && list->onClick) {
        const auto hit = SendMessageW(window, LB_ITEMFROMPOINT, 0, lParam);
        if (HIWORD(hit) == 0 && static_cast<int>(LOWORD(hit)) == list->listIndex())
            runHandler(list->onClick);
    }
    return result;
}

void ListBox::addItem(std::string_view text)
{
    const std::wstring item = text::wideFromUtf8(text);
    SendMessageW(handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int ListBox::count() const
{
    return static_cast<int>(SendMessageW(handle(), LB_GETCOUNT, 0, 0));
}

std::string ListBox::item(int index) const
{
    const auto length = SendMessageW(handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(handle(), LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text::utf8FromWide(text);
}

int ListBox::listIndex() const
{
    const auto index = SendMessageW(handle(), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void ListBox::notify(WORD code)
{
    if (code != LBN_SELCHANGE || (m_indexBeforeKey != noKey && listIndex() == m_indexBeforeKey))
        return;
    m_pickedDuringPress = true;
    if (onClick)
        onClick();
}

Label::Label(HWND parent, int id, std::string name, const Placement &where, std::string_view text,
             AccessKey accessKey)
    : Control(parent, id, std::move(name), where,
              {L"STATIC", SS_LEFT | (accessKey == AccessKey::None ? DWORD{SS_NOPREFIX} : 0)}, text)
{
}

namespace {

// The items of a locked box's right-click menu, as the Qt program shows them.
enum ContextCommand : UINT_PTR { copyCommand = 1, selectAllCommand = 2 };
constexpr wchar_t copyItem[] = L"&Copier\tCtrl+C";
constexpr wchar_t selectAllItem[] = L"Tout sélectionner\tCtrl+A";

void showContextMenu(HWND edit, LPARAM where)
{
    POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    if (where == -1) {
        // From the keyboard (Shift+F10, the menu key): at the box.
        RECT box;
        GetWindowRect(edit, &box);
        at = {box.left + 4, box.bottom};
    }
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const int length = GetWindowTextLengthW(edit);
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING | (start != end ? MF_ENABLED : MF_GRAYED), copyCommand, copyItem);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    const bool allSelected = start == 0 && static_cast<int>(end) == length;
    AppendMenuW(menu, MF_STRING | (length > 0 && !allSelected ? MF_ENABLED : MF_GRAYED),
                selectAllCommand, selectAllItem);
    const auto chosen = static_cast<UINT_PTR>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, edit, nullptr));
    DestroyMenu(menu);
    if (chosen == copyCommand)
        SendMessageW(edit, WM_COPY, 0, 0);
    else if (chosen == selectAllCommand)
        SendMessageW(edit, EM_SETSEL, 0, -1);
}

} // namespace

LockedEdit::LockedEdit(HWND parent, int id, std::string name, const Placement &where,
                       std::string_view text, Lines lines)
    : Control(parent, id, std::move(name), where,
              {L"EDIT",
               ES_READONLY | WS_TABSTOP
                   | (lines == Lines::Many ? DWORD{ES_MULTILINE} : DWORD{ES_AUTOHSCROLL}),
               WS_EX_CLIENTEDGE},
              text)
{
    SetWindowSubclass(handle(), editingKeys, 0, 0);
}

LockedEdit::~LockedEdit()
{
    RemoveWindowSubclass(handle(), editingKeys, 0);
}

LRESULT CALLBACK LockedEdit::editingKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR)
{
    // Ctrl+A selects the whole text, as in the edit boxes of Windows Vista and
    // later; older edit controls have no such key.
    if (message == WM_KEYDOWN && wParam == 'A' && (GetKeyState(VK_CONTROL) & 0x8000)) {
        SendMessageW(window, EM_SETSEL, 0, -1);
        return 0;
    }
    // The character that Ctrl+A makes would only beep.
    if (message == WM_CHAR && wParam == 1)
        return 0;
    // Windows' own menu would speak the language of Windows, and offer to
    // cut, paste and delete in a box that cannot change.
    if (message == WM_CONTEXTMENU) {
        showContextMenu(window, lParam);
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

std::pair<int, int> LockedEdit::selection() const
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

std::optional<LRESULT> LockedEdit::reflect(UINT message, WPARAM wParam, LPARAM)
{
    // Windows greys a read-only edit box; a locked one keeps the colours of
    // an edit box, as it can still be selected and copied from.
    if (message != WM_CTLCOLORSTATIC)
        return std::nullopt;
    const auto context = reinterpret_cast<HDC>(wParam);
    SetTextColor(context, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(context, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

LineEdit::LineEdit(HWND parent, int id, std::string name, const Placement &where)
    : Control(parent, id, std::move(name), where,
              {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE}, {})
{
}

GroupBox::GroupBox(HWND parent, int id, std::string name, const Placement &where,
                   std::string_view caption)
    : Control(parent, id, std::move(name), where, {L"BUTTON", BS_GROUPBOX}, caption)
{
}

} // namespace bitloom::win32
