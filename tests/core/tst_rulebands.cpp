#include "core/RuleBands.h"

#include <doctest.h>

#include <vector>

using namespace bitloom::core;
namespace def = bitloom::core::mainWindow;

namespace {

constexpr int shadow = 0;
constexpr int highlight = 1;

// A rule whose thicker line shows on both sides of the thinner one.
constexpr def::Rule wideShadow{"linTest", -1, 0, 600, 30, 3, 1};

} // namespace

TEST_CASE("each band keeps its share of a pixel at 100, 125, 150 and 200 %, rounded")
{
    struct Case {
        const def::Rule &rule;
        int dpi;
        std::vector<RuleBand> bands;
    };
    const Case cases[] = {
        // Along the window's top edge: the highlight's upper row is cut off.
        {def::menuRule, 96, {{shadow, 0, 1}, {highlight, 1, 1}}},
        {def::menuRule, 120, {{shadow, 0, 1}, {highlight, 1, 1}}},
        {def::menuRule, 144, {{shadow, 0, 2}, {highlight, 2, 2}}},
        {def::menuRule, 192, {{shadow, 0, 2}, {highlight, 2, 2}}},
        // The highlight on the rule's own row, the shadow above it.
        {def::summaryRule, 96, {{shadow, 103, 1}, {highlight, 104, 1}}},
        {def::summaryRule, 120, {{shadow, 129, 1}, {highlight, 130, 1}}},
        {def::summaryRule, 144, {{shadow, 154, 2}, {highlight, 156, 2}}},
        {def::summaryRule, 192, {{shadow, 206, 2}, {highlight, 208, 2}}},
        {wideShadow, 96, {{shadow, 1, 1}, {highlight, 2, 1}, {shadow, 3, 1}}},
        {wideShadow, 144, {{shadow, 1, 2}, {highlight, 3, 2}, {shadow, 5, 2}}},
    };
    for (const Case &c : cases) {
        CAPTURE(c.rule.name);
        CAPTURE(c.dpi);
        CHECK(ruleBands(c.rule, Dpi{c.dpi}) == c.bands);
    }
}

TEST_CASE("a line covers the rows from its first band to its last")
{
    CHECK(lineRows(wideShadow, shadow, standardDpi) == RuleBand{shadow, 1, 3});
    CHECK(lineRows(wideShadow, highlight, standardDpi) == RuleBand{highlight, 2, 1});
    CHECK(lineRows(def::menuRule, highlight, Dpi{192}) == RuleBand{highlight, 2, 2});
}
