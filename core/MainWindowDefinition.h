// The main window as laid out in twips: where each control stands, its tab
// index and its text. The digit panes are generated from the flag catalogue
// by the rules below rather than listed. Both front ends build the window
// from this one definition.
#pragma once

#include "PaneIndex.h"
#include "Twips.h"
#include "flags/FlagCatalogue.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace bitloom::core::mainWindow {

struct Control {
    TwipsRect rect;
    int tabIndex;
    std::string_view text;
};

inline constexpr std::string_view caption = "Bitloom";

inline constexpr Control paneList{{120, 240, 915, 4155}, 0, {}};
inline constexpr Control summaryPane{{1200, 120, 3375, 4215}, 1, "Résumé"};
inline constexpr Control introduction{
    {120, 360, 3135, 975},
    2,
    "Cette utilitaire est conçu pour GTA: Vice-City, bien que les chiffres 1-4 soient les mêmes "
    "que dans GTA3. Donc vous pouvez créer les données pour GTA3 si vous utilisez seulement ces "
    "chiffres."};
inline constexpr Control outputLabel{{240, 1980, 1290, 255}, 3, "&Données du Flag:"};
inline constexpr Control outputBox{{1560, 1920, 1575, 345}, 4, "0"};
inline constexpr Control instructions{
    {120, 2400, 3135, 495},
    66,
    "Copier dans la colonne \"ae\" du fichier handling \"\\data\\handling.cfg\" "};
inline constexpr Control resetButton{{840, 3360, 1695, 495}, 67, "&Réinitialiser les Flags"};

// Every control but the output box uses the platform's dialog font at this size.
inline constexpr int dialogFontPointSize = 8;

// The output box's own font.
inline constexpr std::string_view outputFontFamily = "Century Gothic";
inline constexpr double outputFontPointSize = 9.75;

// Two-tone separator rules: a shadow line (element 0) and a highlight line
// (element 1) from x1 to x2 at height y in their container (a pane, or -1 for
// the window), each with its pen width in pixels at 96 dpi.
struct Rule {
    std::string_view name;
    int pane;
    int x1;
    int x2;
    int y;
    int shadowPixels;
    int highlightPixels;
};
inline constexpr Rule summaryRule{"linSummarySplitter", 0, 120, 3240, 1560, 2, 1};
inline constexpr Rule menuRule{"linMenuSplitter", -1, 0, 15240, 0, 1, 3};
inline constexpr std::array<Rule, 2> rules{summaryRule, menuRule};

// The digit panes share the summary pane's size; their place depends on the view.
inline constexpr TwipsSize paneSize{summaryPane.rect.width, summaryPane.rect.height};

constexpr int paneTabIndex(int digit)
{
    return 5 + 9 * (digit - 1);
}

// Row r of digit d's pane holds bit 4(d - 1) + r, lowest bit on top.
constexpr int rowOf(int bit)
{
    return bit % flags::bitsPerDigit;
}

constexpr TwipsRect flagBoxRect(int bit)
{
    return {bit == 27 ? 120 : 240, 240 + 960 * rowOf(bit), 3015, 255};
}

constexpr TwipsRect descriptionRect(int bit)
{
    return {120, 480 + 960 * rowOf(bit), bit == 5 ? 3190 : 3135, 735};
}

// The last flag comes after the summary pane's instructions and reset button.
constexpr int flagBoxTabIndex(int bit)
{
    return bit == 27 ? 68 : 7 + 9 * (flags::digitOf(bit) - 1) + 2 * rowOf(bit);
}

constexpr int descriptionTabIndex(int bit)
{
    return bit == 27 ? 69 : 6 + 9 * (flags::digitOf(bit) - 1) + 2 * rowOf(bit);
}

// What kind of control an entry of the list below is.
enum class ControlKind : std::uint8_t { List, Frame, Label, OutputBox, Button, FlagBox };

// One control of the main window: its object name (with its index in a
// control array), the pane that holds it (-1: the window itself), where it
// stands in twips within that container, its tab index and its text. An
// ampersand in a label's or a button's text marks its access key.
struct ControlEntry {
    ControlKind kind;
    std::string_view name;
    int index;
    int pane;
    TwipsRect rect;
    int tabIndex;
    std::string_view text;
};

inline constexpr int controlCount = 6 + paneCount + 2 * flags::flagCount;

namespace detail {

constexpr std::array<ControlEntry, controlCount> controlsInTabOrder()
{
    std::array<ControlEntry, controlCount> list{{
        {ControlKind::List, "lstPane", -1, -1, paneList.rect, paneList.tabIndex, paneList.text},
        {ControlKind::Frame, "fraPane", 0, -1, summaryPane.rect, summaryPane.tabIndex, summaryPane.text},
        {ControlKind::Label, "lblIntroduction", -1, 0, introduction.rect,
         introduction.tabIndex, introduction.text},
        {ControlKind::Label, "lblOutput", -1, 0, outputLabel.rect, outputLabel.tabIndex,
         outputLabel.text},
        {ControlKind::OutputBox, "txtOutput", -1, 0, outputBox.rect, outputBox.tabIndex,
         outputBox.text},
        {ControlKind::Label, "lblInstructions", -1, 0, instructions.rect,
         instructions.tabIndex, instructions.text},
        {ControlKind::Button, "cmdClearAll", -1, 0, resetButton.rect, resetButton.tabIndex,
         resetButton.text},
    }};
    std::size_t next = 7;
    for (int digit = 1; digit <= flags::digitCount; ++digit) {
        list[next++] = {ControlKind::Frame,
                        "fraPane",
                        digit,
                        -1,
                        {0, 0, paneSize.width, paneSize.height},
                        paneTabIndex(digit),
                        flags::digitCaption(digit)};
        for (int bit : flags::bitsOfDigit(digit)) {
            const flags::Flag &flag = flags::flagAt(bit);
            list[next++] = {ControlKind::FlagBox, "chkflag", bit, digit, flagBoxRect(bit),
                            flagBoxTabIndex(bit), flag.name};
            list[next++] = {
                ControlKind::Label,          "lblDescription", bit, digit, descriptionRect(bit),
                descriptionTabIndex(bit), flag.description};
        }
    }
    std::sort(list.begin(), list.end(),
              [](const ControlEntry &a, const ControlEntry &b) { return a.tabIndex < b.tabIndex; });
    return list;
}

} // namespace detail

// Every control of the main window but the rules and the menus, in tab order.
inline constexpr std::array<ControlEntry, controlCount> controls = detail::controlsInTabOrder();

// Where single view puts every pane, and the margin around panes.
inline constexpr TwipsPoint singleViewPanePosition{1200, 120};
inline constexpr int paneMargin = 120;

// Client area (below the menu bar) in each view: the list and one pane, or two
// rows of four panes, with margins around them.
inline constexpr TwipsSize singleViewClient{singleViewPanePosition.x + paneSize.width + paneMargin,
                                            singleViewPanePosition.y + paneSize.height
                                                + paneMargin};
inline constexpr TwipsSize wideViewClient{4 * paneSize.width + 5 * paneMargin,
                                          2 * paneSize.height + 3 * paneMargin};

// Wide view: panes 0..3 on the top row, 4..7 below, each placed from the
// size of one pane.
constexpr TwipsPoint widePanePosition(int pane, TwipsSize size)
{
    const int column = pane % 4;
    const int top = pane < 4 ? paneMargin : size.height + 2 * paneMargin;
    return {(size.width + paneMargin) * column + paneMargin, top};
}

// The quit confirmation.
inline constexpr std::string_view quitMessage = "Vous êtes sur de vouloir quitter?";
inline constexpr std::string_view quitTitle = "Confirmation pour Quitter?";

} // namespace bitloom::core::mainWindow
