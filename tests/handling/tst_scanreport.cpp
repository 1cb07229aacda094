#include "flags/FlagsValue.h"
#include "handling/ScanReport.h"
#include "support/HandlingText.h"

#include "support/Doctest.h"
#include <array>
#include <span>
#include <string>
#include <vector>

using namespace bitloom::handling;
using namespace bitloom::tests;

namespace {

ScanReport scan(const std::string &text, ScanFilter filter = {},
                const GameProfile &game = viceCity)
{
    return scanHandling("handling.cfg", text, TextEncoding::Plain, game, filter);
}

// "line kind identifier raw read", one string per vehicle line, a raw and a
// read for each flags field; "-" where the game reads no value, "unread"
// after the end.
std::vector<std::string> vehicles(const ScanReport &result)
{
    std::vector<std::string> rows;
    for (const ScannedVehicle &v : result.vehicles) {
        std::string row = std::to_string(v.line) + ' ' + std::string(vehicleLineKind(v.kind).key)
                          + ' ' + v.identifier;
        for (const FieldReading &field : v.fields)
            row += ' ' + field.text + ' '
                   + (field.gameValue ? bitloom::flags::hexText(*field.gameValue) : "-");
        if (v.fields.empty())
            row += "  -";
        rows.push_back(row + (v.read ? "" : " unread"));
    }
    return rows;
}

// "line rule", one string per problem.
std::vector<std::string> problems(const ScanReport &result)
{
    std::vector<std::string> rows;
    for (const Problem &p : result.problems)
        rows.push_back(std::to_string(p.line) + ' ' + std::string(p.rule));
    return rows;
}

} // namespace

TEST_CASE("every vehicle line, with Unix or Windows endings; those after the end not read")
{
    const std::string sample = lines({
        "; Vehicle handling",
        "",
        vehicleLine("LANDSTAL", "220"),
        "\t" + vehicleLine("IDAHO", "0x50"),
        boatEntry("PREDATOR"),
        bikeEntry("BIKE"),
        flyingEntry("SPARROW"),
        vehicleLine("PREDATOR", "80000"),
        vehicleLine("BIKE", "10000"),
        vehicleLine("SPARROW", "20000"),
        ";the end",
        vehicleLine("CHEETAH", "zz"),
        "garbage after the end",
    });
    std::string windows;
    for (char c : sample)
        windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string &text : {sample, windows}) {
        const ScanReport result = scan(text);
        CHECK(problems(result) == std::vector<std::string>{"12 after-end"});
        CHECK(vehicles(result)
              == std::vector<std::string>{
                  "3 standard LANDSTAL 220 220", "4 standard IDAHO 0x50 50", "5 boat PREDATOR  -",
                  "6 bike BIKE  -", "7 flying SPARROW  -", "8 standard PREDATOR 80000 80000",
                  "9 standard BIKE 10000 10000", "10 standard SPARROW 20000 20000",
                  "12 standard CHEETAH zz - unread"});
        CHECK(result.linesPerKind == std::array<std::size_t, 4>{6, 1, 1, 1});
        CHECK(result.errors == 1);
    }
}

TEST_CASE("a line with a problem stays in the list with what the game reads in it")
{
    std::string oneShort = vehicleLine("IDAHO", "0");
    oneShort.erase(oneShort.find(' '), 7); // the mass
    struct Case {
        std::string line;
        std::string vehicle;
        std::vector<std::string> problems;
    };
    const Case cases[] = {
        {oneShort, "1 standard IDAHO 1 1", {"1 fields"}},
        {"IDAHO 1 2", "1 standard IDAHO  -", {"1 fields"}},
        {vehicleLine("IDAHO", "9047000xyz"),
         "1 standard IDAHO 9047000xyz 9047000",
         {"1 flags", "1 section"}},
        {vehicleLine("IDAHO", "xyz"), "1 standard IDAHO xyz -", {"1 flags"}},
        {vehicleLine("IDAHO", "c0002180"), "1 standard IDAHO c0002180 C0002180", {"1 flags"}},
        {vehicleLine("ZZ", "40"), "1 standard ZZ 40 40", {"1 vehicle"}},
    };
    for (const Case &c : cases) {
        CAPTURE(c.vehicle);
        const std::string text = lines({c.line, ";the end"});
        const ScanReport result = scan(text);
        CHECK(vehicles(result) == std::vector<std::string>{c.vehicle});
        CHECK(problems(result) == c.problems);
    }
}

TEST_CASE("a line's mark is the worst of its problems")
{
    const std::string text = lines({
        vehicleLine("IDAHO", "c0002180"), // a warning
        vehicleLine("ZZ", "c0002180"),    // a warning and an error
        vehicleLine("STINGER", "0"),      // nothing
        bikeEntry("STINGER"),             // a warning
        ";the end",
    });
    const ScanReport result = scan(text);
    CHECK(worstLevel(result.problems, 1) == Level::Warning);
    CHECK(worstLevel(result.problems, 2) == Level::Error);
    CHECK_FALSE(worstLevel(result.problems, 3).has_value());
    CHECK(worstLevel(result.problems, 4) == Level::Warning);
    CHECK_FALSE(worstLevel(result.problems, 5).has_value());
}

TEST_CASE("the vehicles asked for, in any case, with the whole file's problems")
{
    const std::string text = lines({
        vehicleLine("SENTINEL", "0"),
        vehicleLine("SENTINEL", "200"),
        vehicleLine("FREEWAY", "0"),
        bikeEntry("FREEWAY"),
        vehicleLine("IDAHO", "zz"),
        "; " + std::string(230, '-'),
        ";the end",
    });
    const std::string_view only[] = {"freeway", "Sentinel", "BANSHEE"};
    const ScanReport result = scan(text, {.only = only});
    CHECK(vehicles(result)
          == std::vector<std::string>{"1 standard SENTINEL 0 0", "2 standard SENTINEL 200 200",
                                      "3 standard FREEWAY 0 0", "4 bike FREEWAY  -"});
    // BANSHEE is missing; IDAHO's error is not asked for; the long line is
    // the whole file's.
    CHECK(problems(result)
          == std::vector<std::string>{"0 missing", "1 duplicate", "4 section", "6 line-length"});
    CHECK(result.only == std::vector<std::string>{"freeway", "Sentinel", "BANSHEE"});
}
