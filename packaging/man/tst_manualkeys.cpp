// The manual page of bitloom against the window's own tables: every menu,
// item, shortcut and access key the program has is documented, each shortcut
// on the same line as its item, so that a new menu or key cannot be left out.
#include "core/AboutWindowDefinition.h"
#include "core/MainWindowDefinition.h"
#include "core/MenuDefinition.h"

#include <doctest/doctest.h>

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

using namespace bitloom::core;

namespace {

struct Escape {
    std::string_view roff;
    std::string_view text;
};
// The roff escapes a caption may need in the page.
constexpr Escape escapes[] = {{"\\-", "-"}, {"\\ ", " "}, {"\\&", ""}};

std::vector<std::string> pageLines()
{
    std::ifstream file(BITLOOM_MANUAL_PAGE);
    REQUIRE(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        for (const Escape &escape : escapes) {
            for (std::size_t at; (at = line.find(escape.roff)) != std::string::npos;)
                line.replace(at, escape.roff.size(), escape.text);
        }
        lines.push_back(line);
    }
    return lines;
}

std::string withoutMarker(std::string_view caption)
{
    std::string text(caption);
    if (const std::size_t at = text.find('&'); at != std::string::npos)
        text.erase(at, 1);
    return text;
}

// "Alt+F" for "&Fichier".
std::string accessKey(std::string_view caption)
{
    const std::size_t at = caption.find('&');
    REQUIRE(at != std::string_view::npos);
    REQUIRE(at + 1 < caption.size());
    const char key = caption[at + 1];
    return std::string("Alt+")
           + static_cast<char>(key >= 'a' && key <= 'z' ? key - 'a' + 'A' : key);
}

// Whether one line names the caption and, when given, the key too.
bool documented(const std::vector<std::string> &lines, std::string_view caption,
                std::string_view key = {})
{
    for (const std::string &line : lines) {
        if (line.find(caption) != std::string::npos && line.find(key) != std::string::npos)
            return true;
    }
    return false;
}

} // namespace

TEST_CASE("every menu is documented with its access key, every item with its shortcut")
{
    const std::vector<std::string> lines = pageLines();
    for (const Menu &menu : menuBar) {
        CAPTURE(menu.caption);
        CHECK(documented(lines, withoutMarker(menu.caption), accessKey(menu.caption)));
        for (const MenuItem &item : menu.items) {
            if (item.isSeparator())
                continue;
            CAPTURE(item.caption);
            CHECK(documented(lines, withoutMarker(item.caption), shortcutText(item.shortcut)));
        }
    }
}

TEST_CASE("the windows' access keys are documented beside their controls")
{
    const std::vector<std::string> lines = pageLines();
    for (std::string_view caption :
         {mainWindow::outputLabel.text, mainWindow::resetButton.text, aboutWindow::closeButtonCaption}) {
        CAPTURE(caption);
        CHECK(documented(lines, withoutMarker(caption), accessKey(caption)));
    }
}
