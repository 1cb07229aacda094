#include "flags/FlagsValueReader.h"

#include "support/Doctest.h"
#include <optional>
#include <string>

using namespace bitloom::flags;

TEST_CASE("values are hex digits in either case, zeros in front and a 0x prefix allowed")
{
    struct Case {
        const char *text;
        std::uint32_t value;
    };
    const Case cases[] = {
        {"9047000", 0x9047000},
        {"0x9047000", 0x9047000},
        {"0X9047000", 0x9047000},
        {"09047000", 0x9047000},
        {"0000000000009047000", 0x9047000},
        {"0x00000050", 0x50},
        {"abcdef0", 0xABCDEF0},
        {"ABCDEF0", 0xABCDEF0},
        {"aBcDeF0", 0xABCDEF0},
        {"0", 0},
        {"0x0", 0},
        {"FFFFFFF", 0xFFFFFFF},
    };
    for (const Case &c : cases) {
        CAPTURE(c.text);
        const ValueReading reading = readFlagsValue(c.text);
        CHECK(reading.problem == ValueProblem::None);
        CHECK(reading.value == c.value);
        // What is accepted is read by the game just the same.
        CHECK(reading.gameValue == c.value);
    }
}

// What the game reads instead is what the C library's "%x" reads; the
// Windows suite checks that against msvcrt itself.
TEST_CASE("other texts are refused, with what the game would read")
{
    struct Case {
        std::string text;
        ValueProblem problem;
        std::size_t badOffset; // for NotHex
        std::optional<std::uint32_t> gameValue;
    };
    const auto notHex = ValueProblem::NotHex;
    const auto above = ValueProblem::AboveFlags;
    const auto above32 = ValueProblem::Above32Bits;
    const std::optional<std::uint32_t> nothing;
    const Case cases[] = {
        {"", ValueProblem::Empty, 0, nothing},
        {"9047000xyz", notHex, 7, 0x9047000},
        {"xyz", notHex, 0, nothing},
        {"0x", ValueProblem::NoDigits, 0, 0},
        {"0X", ValueProblem::NoDigits, 0, 0},
        // The x is a prefix to the person who wrote it: what follows is wrong.
        {"0xg1", notHex, 2, 0},
        {"0xZZ", notHex, 2, 0},
        {"0x0x5", notHex, 3, 0},
        {"-1", notHex, 0, 0xFFFFFFFF},
        {"+50", notHex, 0, 0x50},
        {"12 3", notHex, 2, 0x12},
        {"1.5", notHex, 1, 1},
        {"\xC3\xA9", notHex, 0, nothing},
        {std::string("5\0"
                     "5",
                     3),
         notHex, 1, 5},
        {"10000000", above, 0, 0x10000000},
        {"FFFFFFFF", above, 0, 0xFFFFFFFF},
        // 33 bits whose low 32 are zero: a reader that wraps would take it for 0.
        {"100000000", above32, 0, nothing},
        {"1000000001", above32, 0, nothing},
        {std::string(5000, 'F'), above32, 0, nothing},
        {"0x000000C0002180", above, 0, 0xC0002180},
        {"100000000xyz", notHex, 9, nothing},
    };
    for (const Case &c : cases) {
        CAPTURE(c.text.substr(0, 20));
        const ValueReading reading = readFlagsValue(c.text);
        CHECK(reading.problem == c.problem);
        if (c.problem == notHex)
            CHECK(reading.badOffset == c.badOffset);
        CHECK(reading.gameValue == c.gameValue);
        // Bits beyond the flags are kept, so that the flags among them can be shown.
        if (c.problem == above)
            CHECK(reading.value == c.gameValue);
    }
}

TEST_CASE("the allowed bits limit a value: GTA3's 16 flags")
{
    constexpr std::uint32_t digitsOneToFour = 0xFFFF;
    CHECK(readFlagsValue("FFFF", digitsOneToFour).problem == ValueProblem::None);
    CHECK(readFlagsValue("0x0000FFFF", digitsOneToFour).value == 0xFFFF);
    CHECK(readFlagsValue("10000", digitsOneToFour).problem == ValueProblem::AboveFlags);
    const ValueReading above = readFlagsValue("9047000", digitsOneToFour);
    CHECK(above.problem == ValueProblem::AboveFlags);
    CHECK(above.value == 0x9047000);
}
