#include "handling/HandlingLine.h"
#include "support/HandlingText.h"

#include "support/Doctest.h"
#include <algorithm>
#include <string>

using namespace bitloom::handling;
using bitloom::tests::sanAndreasVehicleLine;
using bitloom::tests::vehicleLine;

TEST_CASE("a line split as the game splits it")
{
    const std::string landstal = vehicleLine("LANDSTAL", "9047000");
    std::string spread;
    for (char c : landstal)
        spread += c == ' ' ? std::string("\t \t") : std::string(1, c);
    const std::string endsWithFlags = landstal.substr(0, landstal.size() - 4); // " 1 1"
    const std::string oneShort = endsWithFlags.substr(0, endsWithFlags.size() - 8);

    struct Case {
        std::string line;
        const GameProfile *game;
        LineKind kind;
        std::string_view identifier;
        std::string_view flagsText;
        std::size_t fieldCount;
        std::string_view secondFlags = {};
    };
    const std::string bravura = sanAndreasVehicleLine("BRAVURA", "00002800", "1000");
    std::string commas = bravura;
    std::replace(commas.begin(), commas.end(), ' ', ',');
    const GameProfile *vc = &viceCity;
    const auto standard = LineKind::Standard;
    const Case cases[] = {
        {landstal, vc, standard, "LANDSTAL", "9047000", 33},
        {landstal, &gta3, standard, "LANDSTAL", "20", 33},
        // San Andreas: two flags fields; commas separate fields too.
        {bravura, &sanAndreas, standard, "BRAVURA", "00002800", 36, "1000"},
        {commas, &sanAndreas, standard, "BRAVURA", "00002800", 36, "1000"},
        {commas, vc, standard, commas, "", 1},
        {"^ 0 1 2", &sanAndreas, LineKind::AnimationGroup, "", "", 4},
        {"^ 0 1 2", vc, standard, "^", "", 4},
        {spread, vc, standard, "LANDSTAL", "9047000", 33},
        {" \t" + landstal, vc, standard, "LANDSTAL", "9047000", 33},
        {landstal + " \t ", vc, standard, "LANDSTAL", "9047000", 33},
        {endsWithFlags + "\r", vc, standard, "LANDSTAL", "9047000", 31},
        {oneShort, vc, standard, "LANDSTAL", "", 30},
        {"LANDSTAL", vc, standard, "LANDSTAL", "", 1},

        {"", vc, LineKind::Blank, "", "", 0},
        {" \t ", vc, LineKind::Blank, "", "", 0},
        {"\r", vc, LineKind::Blank, "", "", 0},
        {"; A B C", vc, LineKind::Comment, "", "", 0},
        {";the end", vc, LineKind::End, "", "", 0},
        {";the end\r", vc, LineKind::End, "", "", 0},
        // The game compares the whole line with the marker.
        {";the end of it", vc, LineKind::Comment, "", "", 0},
        {";the end ", vc, LineKind::Comment, "", "", 0},
        {";The End", vc, LineKind::Comment, "", "", 0},

        {"% PREDATOR 1 2", vc, LineKind::Boat, "PREDATOR", "", 4},
        {"! BIKE 1 2", vc, LineKind::Bike, "BIKE", "", 4},
        {"$\tSPARROW\t1 2", vc, LineKind::Flying, "SPARROW", "", 4},
        {"%", vc, LineKind::Boat, "", "", 1},
        {"!BIKE 1 2", vc, LineKind::Bike, "1", "", 3},

        // The game looks at the first column only: a marker after a blank,
        // or one the game has no section for, begins a standard line.
        {"\t;" + landstal, vc, standard, ";LANDSTAL", "9047000", 33},
        {" ;the end", vc, standard, ";the", "", 2},
        {" % PREDATOR 1", vc, standard, "%", "", 3},
        {"% PREDATOR 1", &gta3, standard, "%", "", 3},
    };
    for (const Case &c : cases) {
        CAPTURE(c.line);
        const HandlingLine read = readHandlingLine(c.line, *c.game);
        CHECK(read.kind == c.kind);
        CHECK(read.identifier == c.identifier);
        CHECK(read.flagsText() == c.flagsText);
        CHECK(read.flagsTexts[1] == c.secondFlags);
        CHECK(read.fieldCount == c.fieldCount);
    }
}
