#include "flags/FlagCatalogue.h"
#include "flags/FlagLookup.h"

#include "support/Doctest.h"
#include <cctype>
#include <string>
#include <vector>

using namespace bitloom::flags;

TEST_CASE("every flag by its name, in any case")
{
    for (int bit = 0; bit < flagCount; ++bit) {
        const std::string name(flagAt(bit).name);
        std::string lower = name;
        for (char &c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::string mixed = lower;
        for (std::size_t i = 0; i < mixed.size(); i += 2)
            mixed[i] = name[i];
        for (const std::string &spelling : {name, lower, mixed}) {
            CAPTURE(spelling);
            CHECK(findFlag(spelling) == bit);
        }
    }
}

TEST_CASE("the spellings of the game's own file find their flag")
{
    const std::pair<const char *, const char *> spellings[] = {
        {"NEUTRALHANDLING", "NEUTRAL_HANDLING"},
        {"neutralhandling", "NEUTRAL_HANDLING"},
        {"FAT_REARW", "FAT_REAR"},
        {"NARROW_FRONTW", "NARROW_FRONT"},
        {"GOOD_INSAND", "GOOD_IN_SAND"},
    };
    for (const auto &[spelling, name] : spellings) {
        CAPTURE(spelling);
        const auto bit = findFlag(spelling);
        REQUIRE(bit.has_value());
        CHECK(flagAt(*bit).name == name);
    }
}

TEST_CASE("other words are no flag")
{
    for (const char *word : {"", "IS_BU", "IS_BUSES", "IS BUS", "IS-BUS", " IS_BUS", "40"}) {
        CAPTURE(word);
        CHECK_FALSE(findFlag(word).has_value());
    }
}

TEST_CASE("a misspelt name gets the nearest catalogue names")
{
    struct Case {
        const char *name;
        std::vector<std::string_view> suggested;
    };
    const Case cases[] = {
        {"IS_BSU", {"IS_BUS"}},
        {"HALOGN_LIGHTS", {"HALOGEN_LIGHTS"}},
        {"is_bike_", {"IS_BIKE"}},
        {"IS_BIE", {"IS_BIG", "IS_BIKE"}},
        // An alias close to the name stands for its flag's catalogue name.
        {"NEUTRALHANDLNG", {"NEUTRAL_HANDLING"}},
        {"IS_TRAIN", {}},
        {"", {}},
    };
    for (const Case &c : cases) {
        CAPTURE(c.name);
        CHECK(flagSuggestions(c.name) == c.suggested);
    }
}
