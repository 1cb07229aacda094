#include "flags/NearestNames.h"

#include "support/Doctest.h"
#include <array>
#include <string>
#include <vector>

using namespace bitloom::flags;

TEST_CASE("the known names nearest a misspelt one")
{
    constexpr std::array<std::string_view, 9> names{"LANDSTAL", "IDAHO",    "MANANA", "PONY", "BUS",
                                                    "RHINO",    "STALLION", "BOAT",   "BOOT"};
    struct Case {
        std::string name;
        std::vector<std::string_view> nearest;
    };
    const Case cases[] = {
        {"landstal", {"LANDSTAL"}}, // case only
        {"MANANNA", {"MANANA"}},    // a letter doubled
        {"LANDSTL", {"LANDSTAL"}},  // a letter missing
        {"IDAHA", {"IDAHO"}},       // a letter wrong
        {"LNADSTAL", {"LANDSTAL"}}, // neighbours swapped
        // A swap is one slip: a short name allows no more.
        {"BSU", {"BUS"}},
        {"STALIOM", {"STALLION"}}, // two slips in a long name
        // The nearest only, all of them when several are as near.
        {"BOOTS", {"BOOT"}},
        {"BOXT", {"BOAT", "BOOT"}},
        // Short names allow one slip only, so that nothing far is offered.
        {"BOX", {}},
        {"BXXT", {}},
        {"AIRTRAIN", {}},
        {"", {}},
        {std::string(500, 'A'), {}},
    };
    for (const Case &c : cases) {
        CAPTURE(c.name.substr(0, 20));
        CHECK(nearestNames(c.name, names) == c.nearest);
    }
}
