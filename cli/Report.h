// What the commands print on standard output, in one of two forms.
#pragma once

#include "GameProfile.h"
#include "HandlingScanner.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace bitloom::cli {

struct DecodedValue {
    std::string_view input; // as given
    std::uint32_t value;
};

class Report {
public:
    virtual ~Report() = default;

    virtual void decoded(const std::vector<DecodedValue> &values, const GameProfile &game) = 0;
    virtual void encoded(std::uint32_t value, const GameProfile &game) = 0;
    virtual void scanned(std::string_view file, const ScanResult &result, const GameProfile &game)
        = 0;
};

} // namespace bitloom::cli
