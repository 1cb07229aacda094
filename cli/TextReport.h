// The report for a person: aligned columns.
#pragma once

#include "Report.h"

#include <ostream>

namespace bitloom::cli {

class TextReport final : public Report {
public:
    explicit TextReport(std::ostream &out)
        : out(out)
    {
    }

    void decoded(const std::vector<DecodedValue> &values, const GameProfile &game) override;
    void encoded(std::uint32_t value, const GameProfile &game) override;
    void scanned(std::string_view file, const ScanResult &result, const GameProfile &game) override;

private:
    std::ostream &out;
};

} // namespace bitloom::cli
