#include "core/FlagToolTip.h"
#include "core/MainWindowDefinition.h"
#include "core/MenuDefinition.h"
#include "core/ObjectName.h"
#include "support/Win32MainWindowFixture.h"
#include "text/Utf16.h"
#include "win32/runtime/Dpi.h"
#include "win32/runtime/Fonts.h"
#include "win32/runtime/Handles.h"

#include <doctest.h>

#include <commctrl.h>

#include <set>

using namespace bitloom;
namespace def = core::mainWindow;
using win32::Control;

namespace {

// The size of a text in the control's own font: one line, or wrapped within
// a width.
SIZE textSize(const Control &control, std::string_view text, int wrapWidth = 0,
              UINT prefix = DT_NOPREFIX)
{
    const auto context = win32::windowDeviceContext(control.handle());
    const win32::SelectedObject font(context.get(), control.font());
    RECT area{0, 0, wrapWidth ? wrapWidth : 100000, 0};
    const std::wstring wide = text::wideFromUtf8(text);
    DrawTextW(context.get(), wide.c_str(), static_cast<int>(wide.size()), &area,
              DT_CALCRECT | prefix | (wrapWidth ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE));
    return {area.right, area.bottom};
}

SIZE clientSize(const Control &control)
{
    RECT client;
    GetClientRect(control.handle(), &client);
    return {client.right, client.bottom};
}

// Every control where the list puts it within its pane or the window.
void checkPlaces(core::Dpi dpi)
{
    CAPTURE(dpi.value);
    auto &window = tests::mainWindow();
    for (const def::ControlEntry &entry : def::controls) {
        if (entry.kind == def::ControlKind::Frame)
            continue;
        const std::string name = core::objectName(entry.name, entry.index);
        CAPTURE(name);
        const POINT origin = [&] {
            if (entry.pane < 0)
                return POINT{0, 0};
            const RECT frame = window.placeOf(window.fraPane(entry.pane).handle());
            return POINT{frame.left, frame.top};
        }();
        const RECT at = window.placeOf(window.control<Control>(name).handle());
        CHECK(at.left - origin.x == core::toPixels(entry.rect.left, dpi));
        CHECK(at.top - origin.y == core::toPixels(entry.rect.top, dpi));
        CHECK(at.right - at.left == core::toPixels(entry.rect.width, dpi));
        CHECK(at.bottom - at.top == core::toPixels(entry.rect.height, dpi));
    }
}

// Every text fits its box, measured with the box's own font.
void checkTextsFit(core::Dpi dpi)
{
    CAPTURE(dpi.value);
    auto &window = tests::mainWindow();
    for (int bit = 0; bit < flags::flagCount; ++bit) {
        CAPTURE(bit);
        const auto &box = window.chkflag(bit);
        const SIZE box_ = clientSize(box);
        const SIZE caption = textSize(box, box.text());
        // The check mark, a gap, then the caption.
        const int mark = win32::systemMetric(SM_CXMENUCHECK, dpi);
        CHECK(mark + core::toPixels(60, dpi) + caption.cx <= box_.cx);
        CHECK(caption.cy <= box_.cy);

        const auto &label = window.control<Control>(core::objectName("lblDescription", bit));
        const SIZE area = clientSize(label);
        CHECK(textSize(label, label.text(), area.cx).cy <= area.cy);
    }
    for (const char *name : {"lblIntroduction", "lblInstructions"}) {
        CAPTURE(name);
        const auto &label = window.control<Control>(name);
        const SIZE area = clientSize(label);
        CHECK(textSize(label, label.text(), area.cx).cy <= area.cy);
    }
    const auto &outputLabel = window.control<Control>("lblOutput");
    CHECK(textSize(outputLabel, outputLabel.text(), 0, 0).cx <= clientSize(outputLabel).cx);

    // The largest value, with the edit box's inner margins.
    const auto &output = window.txtOutput();
    const SIZE value = textSize(output, "FFFFFFF");
    CHECK(value.cx + 4 <= clientSize(output).cx);
    CHECK(value.cy <= clientSize(output).cy);

    const auto &button = window.cmdClearAll();
    const SIZE caption = textSize(button, button.text(), 0, 0);
    CHECK(caption.cx + core::toPixels(120, dpi) <= clientSize(button).cx);

    for (int pane = 0; pane < core::paneCount; ++pane) {
        const auto &frame = window.fraPane(pane);
        CHECK(textSize(frame, frame.text()).cx + core::toPixels(240, dpi) <= clientSize(frame).cx);
    }
    const auto &list = window.lstPane();
    for (int item = 0; item < list.count(); ++item)
        CHECK(textSize(list, list.item(item)).cx + 4 <= clientSize(list).cx);
}

} // namespace

TEST_CASE("the window opens in single view: 313 by 297 pixels below the menu bar at 96 dpi")
{
    auto &window = tests::mainWindow();
    REQUIRE(window.window().layoutDpi() == core::standardDpi);
    CHECK(window.clientPixels().cx == 313);
    CHECK(window.clientPixels().cy == 297);
    std::wstring title(64, L'\0');
    title.resize(static_cast<std::size_t>(GetWindowTextW(window.handle(), title.data(), 64)));
    CHECK(title == L"Bitloom");
    CHECK(window.txtOutput().text() == "0");
    CHECK(window.lstPane().listIndex() == -1);
    CHECK(GetFocus() == window.lstPane().handle());
}

TEST_CASE("a fixed frame with the system menu, minimise and close, and the program's icon")
{
    const auto style
        = static_cast<DWORD>(GetWindowLongPtrW(tests::mainWindow().handle(), GWL_STYLE));
    CHECK((style & WS_SYSMENU) != 0);
    CHECK((style & WS_MINIMIZEBOX) != 0);
    CHECK((style & WS_MAXIMIZEBOX) == 0);
    CHECK((style & WS_THICKFRAME) == 0);
}

TEST_CASE("every control stands where its twips put it, at 96 and at 192 dpi")
{
    auto &window = tests::mainWindow();
    window.reset();
    window.choose("mnuViewWide");
    checkPlaces(core::standardDpi);
    window.window().applyDpi(core::Dpi{192});
    checkPlaces(core::Dpi{192});
    // Wide view at 192 dpi is larger than the virtual screen, which Windows
    // does not let a window outgrow; single view fits.
    window.choose("mnuViewSingle");
    CHECK(window.clientPixels().cx == 626);
    CHECK(window.clientPixels().cy == 594);
    window.window().applyDpi(core::standardDpi);
    CHECK(window.clientPixels().cx == 313);
    CHECK(window.clientPixels().cy == 297);
}

namespace {

// Whether a control's font is an outline font, which scales with the
// resolution as Windows' own dialog font does.
bool outlineFont(const Control &control)
{
    const auto context = win32::windowDeviceContext(control.handle());
    const win32::SelectedObject font(context.get(), control.font());
    TEXTMETRICW metrics{};
    GetTextMetricsW(context.get(), &metrics);
    return (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

} // namespace

namespace {

// Counts the fonts a control is given while it still holds one that has been
// deleted: drawn meanwhile, it would fall back on the system font.
LRESULT CALLBACK watchFonts(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR counts)
{
    if (message == WM_SETFONT) {
        auto *seen = reinterpret_cast<std::pair<int, int> *>(counts);
        ++seen->first;
        const auto held = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
        if (held && GetObjectType(held) != OBJ_FONT)
            ++seen->second;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

TEST_CASE("at a new resolution each control takes its new font before the old one is deleted")
{
    auto &window = tests::mainWindow();
    const std::vector<HWND> watched{window.chkflag(0).handle(), window.txtOutput().handle(),
                                    window.lstPane().handle()};
    std::pair<int, int> seen{0, 0}; // fonts given, of which over a deleted one
    for (HWND control : watched)
        SetWindowSubclass(control, watchFonts, 0, reinterpret_cast<DWORD_PTR>(&seen));
    window.window().applyDpi(core::Dpi{144});
    window.window().applyDpi(core::standardDpi);
    for (HWND control : watched)
        RemoveWindowSubclass(control, watchFonts, 0);
    CHECK(seen.first == 6);
    CHECK(seen.second == 0);
}

TEST_CASE("each rule shows its shadow row above its highlight row at 100, 125, 150 and 200 %")
{
    auto &window = tests::mainWindow();
    window.reset();
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    for (const int dpi : {96, 120, 144, 192}) {
        CAPTURE(dpi);
        const core::Dpi resolution{dpi};
        window.window().applyDpi(resolution);
        RedrawWindow(window.handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        tests::settle();
        // A pixel row at 96 dpi, at this resolution.
        const int row = core::toPixels(core::twipsPerPixel, resolution);
        const auto context = win32::windowDeviceContext(window.handle());
        const auto colourAt = [&context](int x, int y) {
            return GetPixel(context.get(), x, y);
        };

        // The menu rule along the client area's top edge, none of it cut off.
        const int x = core::toPixels(600, resolution);
        for (int y = 0; y < row; ++y) {
            CAPTURE(y);
            CHECK(colourAt(x, y) == shadow);
            CHECK(colourAt(x, row + y) == highlight);
        }
        CHECK(colourAt(x, 2 * row) != highlight);

        // The summary pane's rule, its highlight on the rule's own row.
        const RECT pane = window.placeOf(window.fraPane(0).handle());
        const int ruleRow = pane.top + core::toPixels(def::summaryRule.y, resolution);
        const int ruleX = pane.left + core::toPixels(600, resolution);
        CHECK(colourAt(ruleX, ruleRow - row - 1) != shadow);
        for (int y = 0; y < row; ++y) {
            CAPTURE(y);
            CHECK(colourAt(ruleX, ruleRow - row + y) == shadow);
            CHECK(colourAt(ruleX, ruleRow + y) == highlight);
        }
        CHECK(colourAt(ruleX, ruleRow + row) != highlight);
    }
    window.window().applyDpi(core::standardDpi);
}

TEST_CASE("every text fits its box, at 96, 144 and 192 dpi")
{
    auto &window = tests::mainWindow();
    window.reset();
    window.choose("mnuViewWide");
    checkTextsFit(core::standardDpi);
    // Under Wine the dialog font is the bitmap MS Sans Serif, which comes in
    // fixed sizes: at other resolutions it says nothing of how Windows' own
    // outline font fits.
    if (!outlineFont(window.chkflag(0))) {
        MESSAGE("the dialog font is a bitmap font here: measured at 96 dpi only");
        return;
    }
    for (int dpi : {144, 192}) {
        window.window().applyDpi(core::Dpi{dpi});
        checkTextsFit(core::Dpi{dpi});
    }
    window.window().applyDpi(core::standardDpi);
}

TEST_CASE("the dialog font at 8 pt; the output box asks for Century Gothic 9.75 pt")
{
    auto &window = tests::mainWindow();
    const auto faceOf = [](const Control &control) {
        LOGFONTW font{};
        GetObjectW(control.font(), sizeof font, &font);
        return font;
    };
    const LOGFONTW dialog = faceOf(window.chkflag(0));
    // Windows' own dialog font where it has it; the same font under its
    // older name where the system is Wine (with Wine's own fonts).
    const std::wstring dialogFace = dialog.lfFaceName;
    if (win32::fontFamilyInstalled("Microsoft Sans Serif"))
        CHECK(dialogFace == L"Microsoft Sans Serif");
    else
        CHECK(dialogFace == L"MS Sans Serif");
    CHECK(dialog.lfHeight == -11); // 8 pt at 96 dpi
    const LOGFONTW output = faceOf(window.txtOutput());
    CHECK(output.lfHeight == -13); // 9.75 pt at 96 dpi
    CHECK(output.lfWeight == FW_NORMAL);
    CHECK_FALSE(output.lfItalic);
    // Century Gothic where Windows has it, else its metric twin, else the
    // dialog font's family.
    const std::wstring face = output.lfFaceName;
    if (win32::fontFamilyInstalled("Century Gothic"))
        CHECK(face == L"Century Gothic");
    else if (win32::fontFamilyInstalled("URW Gothic"))
        CHECK(face == L"URW Gothic");
    else
        CHECK(face == dialogFace);
    CHECK_FALSE(win32::fontFamilyInstalled("No Such Family Anywhere"));
}

TEST_CASE("the controls carry the texts of the definition")
{
    auto &window = tests::mainWindow();
    for (const def::ControlEntry &entry : def::controls) {
        const std::string name = core::objectName(entry.name, entry.index);
        CAPTURE(name);
        CHECK(window.control<Control>(name).text() == entry.text);
    }
    // Item k names pane k.
    const auto &list = window.lstPane();
    REQUIRE(list.count() == core::paneCount);
    for (int pane = 0; pane < core::paneCount; ++pane)
        CHECK(list.item(pane) == window.fraPane(pane).text());
}

TEST_CASE("the menu bar reads as defined, shortcuts shown beside their items")
{
    const HMENU bar = GetMenu(tests::mainWindow().handle());
    const auto text = [](HMENU menu, std::size_t position) {
        std::wstring caption(128, L'\0');
        caption.resize(static_cast<std::size_t>(
            GetMenuStringW(menu, static_cast<UINT>(position), caption.data(), 128, MF_BYPOSITION)));
        return text::utf8FromWide(caption);
    };
    REQUIRE(GetMenuItemCount(bar) == static_cast<int>(core::menuBar.size()));
    for (std::size_t m = 0; m < core::menuBar.size(); ++m) {
        const core::Menu &menu = core::menuBar[m];
        CHECK(text(bar, m) == menu.caption);
        const HMENU items = GetSubMenu(bar, static_cast<int>(m));
        REQUIRE(GetMenuItemCount(items) == static_cast<int>(menu.items.size()));
        for (std::size_t i = 0; i < menu.items.size(); ++i) {
            const core::MenuItem &item = menu.items[i];
            CAPTURE(item.name);
            if (item.isSeparator()) {
                CHECK((GetMenuState(items, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR));
                continue;
            }
            const std::string shortcut = core::shortcutText(item.shortcut);
            CHECK(text(items, i)
                  == std::string(item.caption) + (shortcut.empty() ? "" : "\t") + shortcut);
        }
    }
}

TEST_CASE("Tab runs through the controls in their tab order")
{
    auto &window = tests::mainWindow();
    window.reset();
    window.choose("mnuViewWide");
    std::vector<HWND> expected{window.lstPane().handle(), window.txtOutput().handle()};
    for (int bit = 0; bit < 27; ++bit)
        expected.push_back(window.chkflag(bit).handle());
    expected.push_back(window.cmdClearAll().handle());
    expected.push_back(window.chkflag(27).handle());
    // The list is hidden in wide view.
    expected.erase(expected.begin());
    HWND at = expected.back();
    for (HWND next : expected) {
        at = GetNextDlgTabItem(window.handle(), at, FALSE);
        CHECK(at == next);
    }
}

namespace {

// The tooltip control that the window owns, found as Windows lists it.
HWND toolTipsOf(HWND window)
{
    struct Search {
        HWND owner;
        HWND found;
    } search{window, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND candidate, LPARAM lParam) -> BOOL {
            auto *s = reinterpret_cast<Search *>(lParam);
            wchar_t name[64]{};
            GetClassNameW(candidate, name, 64);
            if (std::wstring(name) == TOOLTIPS_CLASSW && GetWindow(candidate, GW_OWNER) == s->owner)
                s->found = candidate;
            return s->found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TTTOOLINFOW toolOf(HWND window, HWND control, wchar_t *text)
{
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    return tool;
}

std::string toolTipText(HWND tips, HWND window, HWND control)
{
    wchar_t text[128]{};
    TTTOOLINFOW tool = toolOf(window, control, text);
    SendMessageW(tips, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
    return text::utf8FromWide(text);
}

} // namespace

TEST_CASE("each flag box has a tooltip with its place in the value")
{
    auto &window = tests::mainWindow();
    const HWND tips = toolTipsOf(window.handle());
    REQUIRE(tips != nullptr);
    CHECK(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0) == flags::flagCount);
    CHECK(toolTipText(tips, window.handle(), window.chkflag(7).handle())
          == "0x80 : 2e chiffre, valeur 8");
    for (int bit = 0; bit < flags::flagCount; ++bit) {
        CAPTURE(bit);
        CHECK(toolTipText(tips, window.handle(), window.chkflag(bit).handle())
              == core::flagToolTip(bit));
    }
    CHECK(window.chkflag(7).text() == "IS_LOW");
}

TEST_CASE("the mouse resting on a flag box shows its tooltip")
{
    auto &window = tests::mainWindow();
    window.reset();
    window.choose("mnuPane", 2);
    const HWND tips = toolTipsOf(window.handle());
    REQUIRE(tips != nullptr);
    const HWND box = window.chkflag(7).handle();
    const RECT place = window.placeOf(box);
    POINT at{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    ClientToScreen(window.handle(), &at);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof move);

    const DWORD start = GetTickCount();
    while (!IsWindowVisible(tips) && GetTickCount() - start < 5000) {
        tests::settle();
        Sleep(20);
    }
    REQUIRE(IsWindowVisible(tips));
    wchar_t text[128]{};
    TTTOOLINFOW shown = toolOf(nullptr, nullptr, text);
    REQUIRE(SendMessageW(tips, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&shown)));
    CHECK(shown.uId == reinterpret_cast<UINT_PTR>(box));
    CHECK(std::wstring(text) == L"0x80 : 2e chiffre, valeur 8");
    SendMessageW(tips, TTM_POP, 0, 0);
    window.reset();
}
