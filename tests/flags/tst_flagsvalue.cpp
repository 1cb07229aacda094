#include "flags/FlagsValue.h"

#include "support/Doctest.h"
#include <numeric>
#include <stdexcept>
#include <vector>

using namespace bitloom::flags;

namespace {

FlagStates checked(const std::vector<int> &bits)
{
    FlagStates states{};
    for (int bit : bits)
        states[static_cast<std::size_t>(bit)] = CheckState::Checked;
    return states;
}

std::vector<int> allBits()
{
    std::vector<int> all(flagCount);
    std::iota(all.begin(), all.end(), 0);
    return all;
}

} // namespace

TEST_CASE("the output box's text: upper-case hex, no zeros in front")
{
    struct Case {
        std::vector<int> bits;
        const char *text;
    };
    const Case cases[] = {
        {{}, "0"},
        {{0}, "1"},
        {{4}, "10"},
        {{0, 4}, "11"},
        {{0, 1, 2, 3}, "F"},
        {{0, 1, 2, 3, 4}, "1F"},
        {{27}, "8000000"},
        {{24, 25, 26, 27}, "F000000"},
        {allBits(), "FFFFFFF"},
        {{1, 3, 5, 7}, "AA"},
    };
    for (const Case &c : cases) {
        CAPTURE(c.text);
        CHECK(valueText(flagsValue(checked(c.bits))) == c.text);
    }
}

TEST_CASE("only checked boxes count; a grayed box is clear")
{
    FlagStates states{};
    states.fill(CheckState::Grayed);
    CHECK(flagsValue(states) == 0);
    states[9] = CheckState::Checked;
    states[10] = CheckState::Unchecked;
    CHECK(flagsValue(states) == 0x200);
}

TEST_CASE("a single flag gives one digit set, in the flag's digit")
{
    for (int bit = 0; bit < flagCount; ++bit) {
        CAPTURE(bit);
        const std::string text = valueText(flagsValue(checked({bit})));
        CHECK(text.size() == static_cast<std::size_t>(digitOf(bit)));
        CHECK(std::stoul(text, nullptr, 16) == maskOf(bit));
    }
}

TEST_CASE("any 32-bit number as hex; a flags value above the flags is refused")
{
    CHECK(hexText(0) == "0");
    CHECK(hexText(0xB) == "B");
    CHECK(hexText(0x9047A0C) == "9047A0C");
    CHECK(hexText(0x10000000) == "10000000");
    CHECK(hexText(0xFFFFFFFF) == "FFFFFFFF");
    CHECK(valueText(0xFFFFFFF) == "FFFFFFF");
    CHECK_THROWS_AS(valueText(0x10000000), std::out_of_range);
}

TEST_CASE("the set bits, lowest first, bits above the flags left out")
{
    CHECK(setBits(0).empty());
    CHECK(setBits(1) == std::vector<int>{0});
    CHECK(setBits(0x8000000) == std::vector<int>{27});
    CHECK(setBits(0x9047000) == std::vector<int>{12, 13, 14, 18, 24, 27});
    CHECK(setBits(0xFFFFFFF) == allBits());
    CHECK(setBits(0xF0000001) == std::vector<int>{0});
}
