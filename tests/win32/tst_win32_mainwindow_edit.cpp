#include "support/ChildProcess.h"
#include "support/Win32MainWindowFixture.h"
#include "support/Win32ModalAnswer.h"
#include "text/Utf16.h"
#include "win32/runtime/Clipboard.h"

#include <doctest.h>

#include <cstring>
#include <string>

using namespace bitloom;
using flags::CheckState;
using win32::clipboardText;
using win32::setClipboard;
using win32::setClipboardText;
using wintest::textOf;

namespace {

std::string output()
{
    return tests::mainWindow().txtOutput().text();
}

// The static text of a message box: its message.
std::string messageOf(HWND box)
{
    std::string longest;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16]{};
        GetClassNameW(child, name, 16);
        const std::string text = textOf(child);
        if (lstrcmpiW(name, L"Static") == 0 && text.size() > longest.size())
            longest = text;
    }
    return longest;
}

} // namespace

// The Edition menu's wiring: its shortcuts and items reach the shared
// behaviour, and what it answers reaches the boxes, the output, the items,
// the clipboard, the question and message boxes and the value window. What
// each command does is tested once, in tests/core.

TEST_CASE("the Edition shortcuts reach their commands; Undo and Redo are greyed with nothing to do")
{
    auto &window = tests::mainWindow();
    window.reset();
    CHECK_FALSE(window.itemEnabled("mnuEditUndo"));
    CHECK_FALSE(window.itemEnabled("mnuEditRedo"));
    setClipboardText("9047000");
    tests::pressKeys({VK_CONTROL, 'V'});
    CHECK(output() == "9047000");
    CHECK(window.chkflag(27).value() == CheckState::Checked);
    CHECK(window.itemEnabled("mnuEditUndo"));
    CHECK_FALSE(window.itemEnabled("mnuEditRedo"));

    // Esc on the summary pane clears the boxes; Ctrl+Z brings all six back.
    tests::pressKeys({VK_ESCAPE});
    tests::pressKeys({VK_CONTROL, 'Z'});
    CHECK(output() == "9047000");
    CHECK(window.itemEnabled("mnuEditRedo"));
    tests::pressKeys({VK_CONTROL, 'Y'});
    CHECK(output() == "0");
}

TEST_CASE("a question carries the behaviour's message, and the answer back")
{
    for (const bool yes : {true, false}) {
        CAPTURE(yes);
        tests::mainWindow().reset();
        setClipboardText("12G4");
        std::string message;
        const tests::Win32ModalAnswer answer(tests::mainWindow().handle(), [&](HWND box) {
            message = messageOf(box);
            tests::sendKeys({VK_MENU, WORD(yes ? 'O' : 'N')});
        });
        tests::pressKeys({VK_CONTROL, 'V'});
        CHECK(answer.answered());
        CHECK(message.find("\"12G4\"") != std::string::npos);
        CHECK(message.find("Utiliser la valeur 12 ?") != std::string::npos);
        CHECK(output() == (yes ? "12" : "0"));
    }
}

TEST_CASE("a clipboard without text, or too long to read, is said in a message at once")
{
    for (const bool text : {true, false}) {
        CAPTURE(text);
        tests::mainWindow().reset();
        tests::mainWindow().chkflag(9).setValue(CheckState::Checked);
        const BITMAPINFOHEADER image{sizeof(BITMAPINFOHEADER), 1, 1, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        if (text)
            setClipboardText(std::string(10 * 1024 * 1024, '1'));
        else
            setClipboard(CF_DIB, &image, sizeof image);
        std::string message;
        const tests::Win32ModalAnswer answer(tests::mainWindow().handle(), [&message](HWND box) {
            message = messageOf(box);
            tests::sendKeys({VK_RETURN});
        });
        const DWORD started = GetTickCount();
        tests::pressKeys({VK_CONTROL, 'V'});
        CHECK(answer.answered());
        CHECK(GetTickCount() - started < 3000);
        CHECK(message.find(text ? "trop long" : "pas de texte") != std::string::npos);
        CHECK(output() == "200");
    }
}

TEST_CASE("Ctrl+C copies the value from anywhere; in the output box, its selection")
{
    tests::mainWindow().reset();
    tests::mainWindow().chkflag(27).setValue(CheckState::Checked);
    setClipboardText("avant");
    SetFocus(tests::mainWindow().lstPane().handle());
    tests::pressKeys({VK_CONTROL, 'C'});
    CHECK(clipboardText() == "8000000");

    SetFocus(tests::mainWindow().txtOutput().handle());
    SendMessageW(tests::mainWindow().txtOutput().handle(), EM_SETSEL, 0, 2);
    tests::pressKeys({VK_CONTROL, 'C'});
    CHECK(clipboardText() == "80");
    // The other editing keys do nothing there.
    setClipboardText("1");
    tests::pressKeys({VK_CONTROL, 'V'});
    tests::pressKeys({VK_CONTROL, 'Z'});
    CHECK(output() == "8000000");
}

// Real keys: Ctrl+Maj+C runs "Copier la ligne", whose item the behaviour
// names and greys; Windows' clipboard keeps the line's CR LF.
TEST_CASE("Ctrl+Maj+C gives the pasted line back, greyed without a line to give")
{
    auto &window = tests::mainWindow();
    window.reset();
    const std::string fields
        = "LANDSTAL 1700.0 5.0 4.0 2.2 0.0 0.0 -0.2 85 0.8\t0.75 0.5 5 160.0 "
          "25.0 4 D 6.2 0.60 0 35.0 1.4 0.15 0.0 0.5 25000 0.25 -0.20 0.5 1.0 ";
    setClipboardText("9047000");
    tests::pressKeys({VK_CONTROL, 'V'});
    CHECK_FALSE(window.itemEnabled("mnuEditCopyLine"));
    tests::pressKeys({VK_CONTROL, VK_SHIFT, 'C'});
    CHECK(clipboardText() == "9047000");
    // Shifted columns: refused, said, and the item stays greyed.
    setClipboardText(fields + "0x0C0 1 1 1");
    const tests::Win32ModalAnswer answer(window.handle(),
                                         [](HWND) { tests::sendKeys({VK_RETURN}); });
    tests::pressKeys({VK_CONTROL, 'V'});
    CHECK(answer.answered());
    CHECK_FALSE(window.itemEnabled("mnuEditCopyLine"));

    setClipboardText(fields + "0x0C0 1 1\r\n");
    tests::pressKeys({VK_CONTROL, 'V'});
    CHECK(window.itemEnabled("mnuEditCopyLine"));
    CHECK(window.itemCaption("mnuEditCopyLine") == "Copier la &ligne de LANDSTAL\tCtrl+Maj+C");
    window.chkflag(5).setValue(CheckState::Checked); // IS_VAN
    SetFocus(window.txtOutput().handle());           // the edit box keeps Ctrl+C, not Ctrl+Maj+C
    tests::pressKeys({VK_CONTROL, VK_SHIFT, 'C'});
    CHECK(clipboardText() == fields + "0x0E0 1 1\r\n");
}

TEST_CASE("the value window reads what is typed; Annuler and Esc leave everything")
{
    tests::mainWindow().reset();
    std::string title;
    std::string buttons;
    bool textsFit = true;
    const tests::Win32ModalAnswer typed(
        tests::mainWindow().handle(),
        {[&](HWND window) {
             title = textOf(window);
             for (HWND child = GetWindow(window, GW_CHILD); child;
                  child = GetWindow(child, GW_HWNDNEXT)) {
                 const std::string text = textOf(child);
                 buttons += text + "|";
                 // Each text on one line within its control.
                 RECT box;
                 GetClientRect(child, &box);
                 HDC context = GetDC(child);
                 const HGDIOBJ old = SelectObject(
                     context, reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)));
                 RECT area{0, 0, 0, 0};
                 DrawTextW(context, text::wideFromUtf8(text).c_str(), -1, &area,
                           DT_CALCRECT | DT_SINGLELINE);
                 SelectObject(context, old);
                 ReleaseDC(child, context);
                 textsFit = textsFit && area.right <= box.right;
             }
             for (WORD key : {WORD{'2'}, WORD{'1'}, WORD{'8'}, WORD{'0'}})
                 tests::sendKeys({key});
         },
         [](HWND) {
             tests::sendKeys({VK_RETURN});
         }});
    tests::mainWindow().choose("mnuEditType");
    CHECK(typed.answered());
    CHECK(title == "Saisir une valeur");
    CHECK(textsFit);
    CHECK(buttons.find("|OK|") != std::string::npos);
    CHECK(buttons.find("|Annuler|") != std::string::npos);
    CHECK(output() == "2180");

    // Opened again, the line is empty: nothing of the last value is left.
    std::string shownAtOpening = "?";
    const tests::Win32ModalAnswer cancelled(tests::mainWindow().handle(),
                                            {[&shownAtOpening](HWND) {
                                                 shownAtOpening = textOf(GetFocus());
                                                 tests::sendKeys({'F'});
                                             },
                                             [](HWND) {
                                                 tests::sendKeys({VK_ESCAPE});
                                             }});
    tests::mainWindow().choose("mnuEditType");
    CHECK(cancelled.answered());
    CHECK(shownAtOpening.empty());
    CHECK(output() == "2180");
}
