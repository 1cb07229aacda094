// What the commands print on standard output, in one of two forms. Problems
// go to the error output as well, whatever the form; the report may repeat
// them for scripts.
#pragma once

#include "GameProfile.h"
#include "HandlingScanner.h"
#include "Problem.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

namespace bitloom::cli {

struct DecodedValue {
    std::string_view input; // as given
    std::uint32_t value;
};

class Report {
public:
    explicit Report(std::ostream &out)
        : out(out)
    {
    }
    virtual ~Report() = default;

    // The values that were read, and a problem for each one that was not.
    virtual void decoded(const std::vector<DecodedValue> &values,
                         const std::vector<Problem> &problems, const GameProfile &game)
        = 0;
    // No value when a name was wrong: a value from part of the names would mislead.
    virtual void encoded(std::optional<std::uint32_t> value, const std::vector<Problem> &problems,
                         const GameProfile &game)
        = 0;
    virtual void scanned(std::string_view file, const ScanResult &result, const GameProfile &game)
        = 0;
    // The file could not be read at all.
    virtual void notScanned(std::string_view file, const Problem &problem, const GameProfile &game)
        = 0;

protected:
    std::ostream &out;
};

} // namespace bitloom::cli
