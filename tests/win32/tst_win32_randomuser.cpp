// The random user on the Win32 window: keys and clicks go through Windows'
// input queue (SendInput), menu items are chosen as a click in their menu
// chooses them, and the About window and the quit question are answered from
// inside their own loops. After every action the window must agree with the
// model (support/RandomUser.h).

#include "flags/FlagsValue.h"
#include "support/RandomUser.h"
#include "support/Win32MainWindowFixture.h"
#include "support/Win32ModalAnswer.h"
#include "win32/runtime/Clipboard.h"
#include "win32/ui/AboutWindow.h"

#include <doctest.h>

#include <optional>
#include <string>

using namespace bitloom;
using tests::ActionKind;
using tests::RandomAction;
using tests::RandomUserModel;

namespace {

POINT centreOf(const RECT &rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// A window of this thread other than the main window that shows: a question
// box or the About window.
bool anotherWindowShows(const wchar_t *windowClass)
{
    struct Search {
        const wchar_t *windowClass;
        bool found;
    } search{windowClass, false};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM parameter) -> BOOL {
            auto &s = *reinterpret_cast<Search *>(parameter);
            wchar_t name[64] = L"";
            GetClassNameW(window, name, 64);
            s.found = IsWindowVisible(window) && std::wstring(name) == s.windowClass;
            return !s.found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class Win32RandomUser : public tests::RandomUser::Driver {
public:
    void restart() override;
    void perform(const RandomAction &action, RandomUserModel &model) override;
    std::optional<std::string> check(const RandomUserModel &model) override;

private:
    // Opens a modal window by the action and answers it as the step says.
    void answerModal(const RandomAction &action, tests::Win32ModalAnswer::Step step);
    void closeAbout(HWND about, tests::AboutClose way);
    void editCommand(const RandomAction &action, RandomUserModel &model);

    // What went wrong during an action that the window no longer shows.
    std::optional<std::string> m_pending;
};

void Win32RandomUser::restart()
{
    m_pending.reset();
    if (IsIconic(tests::mainWindow().handle()))
        ShowWindow(tests::mainWindow().handle(), SW_RESTORE);
    tests::mainWindow().reset();
    // A click where the last run clicked, so soon after, would be a double
    // click, which Wine's list takes for no pick: first a click in the
    // window's margin, where no control stands.
    tests::clickAt(tests::mainWindow().handle(), {2, 4});
}

void Win32RandomUser::closeAbout(HWND about, tests::AboutClose way)
{
    switch (way) {
    case tests::AboutClose::Button: {
        const auto *button
            = tests::mainWindow().window().aboutWindow()->find<win32::PushButton>("Command1");
        RECT rect;
        GetClientRect(button->handle(), &rect);
        tests::sendClick(button->handle(), centreOf(rect));
        return;
    }
    case tests::AboutClose::Enter:
        tests::sendKeys({VK_RETURN});
        return;
    case tests::AboutClose::Escape:
        tests::sendKeys({VK_ESCAPE});
        return;
    case tests::AboutClose::CloseBox:
        tests::sendCloseBoxClick(about);
        return;
    }
}

void Win32RandomUser::answerModal(const RandomAction &action, tests::Win32ModalAnswer::Step step)
{
    const tests::Win32ModalAnswer answer(tests::mainWindow().handle(), std::move(step));
    if (action.kind == ActionKind::About) {
        if (action.byKey())
            tests::pressKeys({VK_F1});
        else
            tests::mainWindow().choose("mnuAbout");
    } else {
        if (action.byKey())
            tests::pressKeys({VK_CONTROL, 'Q'});
        else
            tests::mainWindow().choose("mnuFileExit");
    }
    if (!answer.answered() || answer.gaveUp())
        m_pending = tests::describe(action) + ": the window did not come up or did not close";
}

void Win32RandomUser::perform(const RandomAction &action, RandomUserModel &model)
{
    if (!model.canPerform(action))
        return;
    const HWND window = tests::mainWindow().handle();
    switch (action.kind) {
    case ActionKind::ClickBox: {
        const RECT rect
            = tests::mainWindow().placeOf(tests::mainWindow().chkflag(action.arg).handle());
        tests::clickAt(window, {rect.left + 6, (rect.top + rect.bottom) / 2});
        break;
    }
    case ActionKind::SpaceOnFocus: {
        const HWND focus = GetFocus();
        const HWND list = tests::mainWindow().lstPane().handle();
        const auto current = static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
        tests::pressKeys({VK_SPACE});
        for (int bit = 0; bit < flags::flagCount; ++bit) {
            if (focus == tests::mainWindow().chkflag(bit).handle())
                model.toggle(bit);
        }
        if (focus == tests::mainWindow().cmdClearAll().handle())
            model.resetFlags();
        else if (focus == list && model.listIndex < 0)
            // Space selects the list's current item.
            model.pickList(current);
        return;
    }
    case ActionKind::PickList: {
        RECT rect;
        SendMessageW(tests::mainWindow().lstPane().handle(), LB_GETITEMRECT,
                     static_cast<WPARAM>(action.arg), reinterpret_cast<LPARAM>(&rect));
        tests::clickAt(tests::mainWindow().lstPane().handle(), centreOf(rect));
        break;
    }
    case ActionKind::MenuPane:
        tests::mainWindow().choose("mnuPane", action.arg);
        break;
    case ActionKind::ViewSingle:
        tests::mainWindow().choose("mnuViewSingle");
        break;
    case ActionKind::ViewWide:
        tests::mainWindow().choose("mnuViewWide");
        break;
    case ActionKind::ShortcutSingle:
        tests::pressKeys({VK_CONTROL, 'S'});
        break;
    case ActionKind::ShortcutWide:
        tests::pressKeys({VK_CONTROL, 'W'});
        break;
    case ActionKind::ResetButton:
        tests::clickAt(window, centreOf(tests::mainWindow().placeOf(
                                   tests::mainWindow().cmdClearAll().handle())));
        break;
    case ActionKind::ResetMenu:
        tests::mainWindow().choose("mnuFileClear");
        break;
    case ActionKind::AltR:
        tests::pressKeys({VK_MENU, 'R'});
        break;
    case ActionKind::AltD:
        tests::pressKeys({VK_MENU, 'D'});
        break;
    case ActionKind::Escape:
        tests::pressKeys({VK_ESCAPE});
        break;
    case ActionKind::Tab:
        tests::pressKeys({VK_TAB});
        break;
    case ActionKind::About:
        answerModal(action,
                    [this, way = action.aboutClose()](HWND about) { closeAbout(about, way); });
        break;
    case ActionKind::QuitNo:
        answerModal(action, [](HWND) { tests::sendKeys({VK_MENU, 'N'}); });
        break;
    case ActionKind::MinimizeRestore:
        ShowWindow(window, SW_MINIMIZE);
        tests::settle();
        ShowWindow(window, SW_RESTORE);
        tests::settle();
        break;
    case ActionKind::Undo:
    case ActionKind::Redo:
    case ActionKind::CopyValue:
    case ActionKind::PasteValue:
        editCommand(action, model);
        return;
    case ActionKind::BareLetter:
    case ActionKind::Arrow: {
        static constexpr WORD arrows[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT};
        const WORD key = action.kind == ActionKind::Arrow
                             ? arrows[static_cast<std::size_t>(action.arrow())]
                             : static_cast<WORD>(action.letter());
        const int before = tests::mainWindow().lstPane().listIndex();
        tests::pressKeys({key});
        model.keyOnList(before, tests::mainWindow().lstPane().listIndex());
        return;
    }
    case ActionKind::SwitchAway: {
        const HWND focus = GetFocus();
        tests::switchAwayAndBack(window);
        if (GetForegroundWindow() != window || GetFocus() != focus)
            m_pending = tests::describe(action) + ": the focus did not come back to its control";
        return;
    }
    }
    model.apply(action);
}

void Win32RandomUser::editCommand(const RandomAction &action, RandomUserModel &model)
{
    const tests::EditCommand command = tests::editCommand(action);
    if (action.kind == ActionKind::PasteValue)
        win32::setClipboardText(tests::pastedText(action));
    // A refused value is said in a message, which the user closes.
    const tests::Win32ModalAnswer answer(tests::mainWindow().handle(),
                                         [](HWND) { tests::sendKeys({VK_RETURN}); });
    const bool outputFocused = GetFocus() == tests::mainWindow().txtOutput().handle();
    if (action.byKey())
        tests::pressKeys({VK_CONTROL, static_cast<WORD>(command.key)});
    else
        tests::mainWindow().choose(command.item);
    if (action.kind == ActionKind::PasteValue && tests::pasteIsRefused(action) && !outputFocused
        && !answer.answered())
        m_pending = tests::describe(action) + ": no message said the value was refused";
    model.apply(action, outputFocused);
}

std::optional<std::string> Win32RandomUser::check(const RandomUserModel &model)
{
    if (m_pending)
        return m_pending;
    const auto fail = [](const std::string &what) {
        return std::optional<std::string>(what);
    };
    const auto number = [](int value) {
        return std::to_string(value);
    };
    const HWND window = tests::mainWindow().handle();

    if (win32::programHasEnded() || !IsWindowVisible(window))
        return fail("the program has ended");
    if (IsIconic(window))
        return fail("the window stayed minimized");
    if (anotherWindowShows(L"BitloomAboutWindow"))
        return fail("the About window is still open");
    if (anotherWindowShows(L"#32770"))
        return fail("a question is still open");
    if (!IsWindowEnabled(window))
        return fail("the main window takes no input, as under a modal window");

    // Undo and Redo are offered when there is a step to take.
    const auto &menu = tests::mainWindow().window().menuBar();
    if (menu.isEnabled({core::Command::Undo}) == model.undoSteps.empty())
        return fail("Annuler enabled wrongly");
    if (menu.isEnabled({core::Command::Redo}) == model.redoSteps.empty())
        return fail("Rétablir enabled wrongly");
    if (const auto clipboard = win32::clipboardText();
        model.clipboard && clipboard != model.clipboard)
        return fail("clipboard holds " + clipboard.value_or("") + ", expected " + *model.clipboard);

    // The output box holds the value of the checked boxes, in the right form.
    flags::FlagStates states{};
    for (int bit = 0; bit < flags::flagCount; ++bit)
        states[static_cast<std::size_t>(bit)] = tests::mainWindow().chkflag(bit).value();
    const std::string text = tests::mainWindow().txtOutput().text();
    const std::string expected = flags::valueText(flags::flagsValue(states));
    if (text != expected)
        return fail("output " + text + ", boxes make " + expected);
    if (flags::flagsValue(states) != model.flags)
        return fail("boxes make " + expected + ", the user's clicks "
                    + flags::valueText(model.flags));
    if (text.empty() || text.size() > 7 || (text.size() > 1 && text[0] == '0')
        || text.find_first_not_of("0123456789ABCDEF") != std::string::npos)
        return fail("output " + text + " is badly formed");

    // View mode: one of the two items checked, list and client size to match.
    const bool single = tests::mainWindow().itemChecked("mnuViewSingle");
    if (single == tests::mainWindow().itemChecked("mnuViewWide"))
        return fail("both or neither view items checked");
    if (single == model.wide)
        return fail("wrong view mode");
    if (tests::mainWindow().lstPane().isVisible() != single)
        return fail("list visibility does not match the view");
    if (tests::mainWindow().lstPane().listIndex() != model.listIndex)
        return fail("list choice " + number(tests::mainWindow().lstPane().listIndex())
                    + ", expected " + number(model.listIndex));
    const core::Dpi dpi = tests::mainWindow().window().layoutDpi();
    const SIZE client = tests::mainWindow().clientPixels();
    const SIZE expectedClient = single
                                    ? SIZE{core::toPixels(4695, dpi), core::toPixels(4455, dpi)}
                                    : SIZE{core::toPixels(14100, dpi), core::toPixels(8790, dpi)};
    if (client.cx != expectedClient.cx || client.cy != expectedClient.cy)
        return fail("client area " + number(client.cx) + " x " + number(client.cy)
                    + " does not match the view");

    // Counted on the window, so that a model gone wrong the same way as the
    // window is caught as well.
    int visible = 0;
    int checked = 0;
    for (int pane = 0; pane < core::paneCount; ++pane) {
        const RECT at = tests::mainWindow().placeOf(tests::mainWindow().fraPane(pane).handle());
        const POINT place
            = single ? POINT{1200, 120} : POINT{120 + 3495 * (pane % 4), pane < 4 ? 120 : 4455};
        if (at.left != core::toPixels(place.x, dpi) || at.top != core::toPixels(place.y, dpi))
            return fail("pane " + number(pane) + " at the wrong place");
        const auto index = static_cast<std::size_t>(pane);
        const bool shows = tests::mainWindow().fraPane(pane).isVisible();
        const bool itemChecked = tests::mainWindow().itemChecked("mnuPane", pane);
        if (shows != model.visible[index])
            return fail("pane " + number(pane) + " visibility");
        if (itemChecked != model.checked[index])
            return fail("mnuPane(" + number(pane) + ") check mark");
        visible += shows;
        checked += itemChecked;
    }
    if (single && visible != 1)
        return fail("single view shows " + number(visible) + " panes");
    if (checked != 1)
        return fail(number(checked) + " pane items checked");
    // Where one pane shows, the menu checks that pane.
    for (int pane = 0; pane < core::paneCount; ++pane) {
        if (visible == 1 && tests::mainWindow().fraPane(pane).isVisible()
            && !tests::mainWindow().itemChecked("mnuPane", pane))
            return fail("pane " + number(pane) + " shows, another is checked");
    }

    // Keys go to the focused control: one that shows and takes them, never a
    // label, a frame or the bare window.
    if (!tests::mainWindow().focusIsUsable())
        return fail("the focus is on no control that takes it");
    return std::nullopt;
}

} // namespace

TEST_CASE("random users: after every action the window agrees with the model")
{
    const auto run = tests::RandomUser::Settings::fromEnvironment({2, 300});
    Win32RandomUser driver;
    // Each replay takes real input through the X server: a shrink gets two
    // minutes.
    tests::RandomUser user(driver, {400, std::chrono::seconds(120)});
    for (int seed = run.firstSeed; seed < run.firstSeed + run.seeds; ++seed) {
        const auto failure = user.failureOf(static_cast<std::uint32_t>(seed), run.actions);
        CHECK_MESSAGE(!failure, failure.value_or(""));
    }
}
