// Handling-file text for the tests: the lines of each kind, with the fields
// the games read in them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bitloom::tests {

// The 28 fields between a standard line's identifier and the field where
// GTA3 reads its flags.
inline constexpr std::string_view standardFields
    = " 1700.0 5.0 4.0 2.2 0.0 0.0 -0.2 85 0.8 0.75 0.5 5 160.0 25.0 4 D 6.2 0.60 0 35.0 1.4 0.15 "
      "0.0 0.5 25000 0.25 -0.20 0.5 ";

// A Vice-City standard line: 33 fields, the flags in field 31 and "20" in
// field 30 (where GTA3 reads its flags).
inline std::string vehicleLine(std::string_view identifier, std::string_view flags)
{
    return std::string(identifier).append(standardFields).append("20 ").append(flags) + " 1 1";
}

// A GTA3 standard line: 32 fields, the flags in field 30.
inline std::string gta3VehicleLine(std::string_view identifier, std::string_view flags)
{
    return std::string(identifier).append(standardFields).append(flags) + " 1 1";
}

// A San Andreas standard line: 36 fields, the model flags in field 32, the
// handling flags in field 33.
inline std::string sanAndreasVehicleLine(std::string_view identifier, std::string_view modelFlags,
                                         std::string_view handlingFlags)
{
    return std::string(identifier).append(standardFields).append("1.0 0.5 ")
           + std::string(modelFlags) + ' ' + std::string(handlingFlags) + " 1 1 0";
}

// Entries of the boat, bike and flying sections with the fields Vice-City
// reads in them.
inline std::string boatEntry(std::string_view identifier)
{
    return "% " + std::string(identifier)
           + " 0.7 0.5 0.2 4.0 4.5 0.9 0.7 0.99 0.9 0.99 0.99 0.97 0.95 8.0";
}

inline std::string bikeEntry(std::string_view identifier)
{
    return "! " + std::string(identifier)
           + " 0.1 20.0 0.1 15.0 50.0 45.0 0.9 0.8 0.0 -0.2 30.0 35.0 0.05 1.0 0.5";
}

inline std::string flyingEntry(std::string_view identifier)
{
    return "$ " + std::string(identifier)
           + " 0.6 5.0 -0.2 0.0 0.0 -0.05 0.001 -0.1 0.0 0.5 5.0 0.1 0.998 0.99 0.97 1.0 1.0 1.0";
}

// The lines, each followed by the ending.
inline std::string lines(const std::vector<std::string> &list, std::string_view ending = "\n")
{
    std::string text;
    for (const std::string &line : list)
        text.append(line).append(ending);
    return text;
}

inline std::string crlfLines(const std::vector<std::string> &list)
{
    return lines(list, "\r\n");
}

} // namespace bitloom::tests
