// What the commands print on standard output, in one of two forms. The
// problems of decode, encode and scan go to the error output as well,
// whatever the form; the report may repeat them for scripts. Those of check
// are its report.
#pragma once

#include "handling/GameProfile.h"
#include "handling/HandlingScanner.h"
#include "handling/Problem.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

namespace bitloom::cli {

using handling::GameProfile;
using handling::Level;
using handling::Problem;
using handling::ScannedVehicle;
using handling::ScanResult;

struct DecodedValue {
    std::string_view input;  // as given
    std::uint32_t value;     // the game's flags in it
    std::uint32_t extraBits; // bits beyond them, which the game ignores
};

// One vehicle's flags field as set changes it: views into the file's text
// before and after.
struct FlagsChange {
    std::size_t line; // 1-based
    std::string_view identifier;
    std::string_view oldText; // the field as written
    std::string_view newText;
    std::uint32_t oldFlags; // the game's flags in each
    std::uint32_t newFlags;
    std::string_view oldLine; // the whole line, without its line break
    std::string_view newLine;
};

enum class SetOutcome : std::uint8_t {
    Written,   // the file holds the changes
    DryRun,    // they were only shown
    Unchanged, // the flags were already so: nothing was written
    Refused,   // an error: nothing was written
};

class Report {
public:
    explicit Report(std::ostream &out)
        : out(out)
    {
    }
    virtual ~Report() = default;

    // The values that were read, and a problem for each one that was not or
    // had bits beyond the flags.
    virtual void decoded(const std::vector<DecodedValue> &values,
                         const std::vector<Problem> &problems, const GameProfile &game)
        = 0;
    // No value when a name was wrong: a value from part of the names would mislead.
    virtual void encoded(std::optional<std::uint32_t> value, const std::vector<Problem> &problems,
                         const GameProfile &game)
        = 0;
    // Every flag of the game.
    virtual void listed(const GameProfile &game) = 0;
    // identifiers: those the scan was limited to, if any.
    virtual void scanned(std::string_view file, const ScanResult &result,
                         std::span<const std::string_view> identifiers, const GameProfile &game)
        = 0;
    // The file could not be read at all.
    virtual void notScanned(std::string_view file, const Problem &problem, const GameProfile &game)
        = 0;
    // One file of a check, then the end of the whole check.
    virtual void checked(std::string_view file, const std::vector<Problem> &problems,
                         const GameProfile &game)
        = 0;
    virtual void checkEnded(std::size_t files, std::size_t errors, std::size_t warnings,
                            const GameProfile &game)
        = 0;

    // What set changed, or would change; backup is empty when no copy was kept.
    virtual void set(std::string_view file, const std::vector<FlagsChange> &changes,
                     SetOutcome outcome, std::string_view backup,
                     const std::vector<Problem> &problems, const GameProfile &game)
        = 0;

protected:
    std::ostream &out;
};

} // namespace bitloom::cli
