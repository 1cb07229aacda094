#include "support/ChildProcess.h"
#include "support/Win32Input.h"
#include "support/Win32ModalAnswer.h"
#include "win32/runtime/QuestionBox.h"

#include <doctest.h>

using namespace bitloom;
using wintest::textOf;

namespace {

// What a question box showed, read while it was up.
struct Seen {
    std::string title;
    std::string yes;
    std::string no;
    bool questionIcon = false;
    bool yesIsDefault = false;
};

Seen read(HWND box)
{
    Seen seen;
    seen.title = textOf(box);
    seen.yes = textOf(GetDlgItem(box, IDYES));
    seen.no = textOf(GetDlgItem(box, IDNO));
    const auto code = SendMessageW(GetDlgItem(box, IDYES), WM_GETDLGCODE, 0, 0);
    seen.yesIsDefault = (code & DLGC_DEFPUSHBUTTON) != 0;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            seen.questionIcon = true;
    }
    return seen;
}

} // namespace

TEST_CASE("the question reads in French, whatever the language of Windows, Yes first")
{
    Seen seen;
    const tests::Win32ModalAnswer answer(nullptr, [&seen](HWND box) {
        seen = read(box);
        PostMessageW(box, WM_COMMAND, IDNO, reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
    });
    const core::Answer result = win32::askQuestion(nullptr, "Vous êtes sur de vouloir quitter?",
                                                   "Confirmation pour Quitter?");
    REQUIRE(answer.answered());
    CHECK(result == core::Answer::No);
    CHECK(seen.title == "Confirmation pour Quitter?");
    CHECK(seen.yes == "&Oui");
    CHECK(seen.no == "&Non");
    CHECK(seen.questionIcon);
    CHECK(seen.yesIsDefault);
}

TEST_CASE("Enter answers Yes")
{
    const tests::Win32ModalAnswer answer(nullptr, [](HWND) { tests::sendKeys({VK_RETURN}); });
    const core::Answer result = win32::askQuestion(nullptr, "Sûr?", "Question");
    CHECK_FALSE(answer.gaveUp());
    CHECK(result == core::Answer::Yes);
}

TEST_CASE("Esc and the close box do not answer: only a button does")
{
    bool stillUp = false;
    const tests::Win32ModalAnswer answer(
        nullptr, {[](HWND) { tests::sendKeys({VK_ESCAPE}); },
                  [](HWND box) { PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); },
                  [](HWND box) { PostMessageW(box, WM_CLOSE, 0, 0); },
                  [&stillUp](HWND box) {
                      stillUp = IsWindowVisible(box);
                      tests::sendKeys({VK_MENU, 'N'});
                  }});
    const core::Answer result = win32::askQuestion(nullptr, "Sûr?", "Question");
    CHECK(stillUp);
    CHECK(result == core::Answer::No);
}
