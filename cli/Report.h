// What the commands print on standard output, in one of two forms, from the
// facts handling/ works out. The problems of decode, encode, scan and set go
// to the error output as well, whatever the form; the report may repeat
// them for scripts. Those of check are its report.
#pragma once

#include "handling/FlagsChangePlan.h"
#include "handling/GameProfile.h"
#include "handling/ScanReport.h"
#include "handling/ValueReport.h"

#include <ostream>

namespace bitloom::cli {

using handling::CheckReport;
using handling::GameProfile;
using handling::Level;
using handling::Problem;
using handling::ScanReport;
using handling::SetReport;
using handling::ValueReport;

class Report {
public:
    explicit Report(std::ostream &out)
        : out(out)
    {
    }
    virtual ~Report() = default;

    virtual void decoded(const ValueReport &report) = 0;
    virtual void encoded(const ValueReport &report) = 0;
    // Every flag of the game.
    virtual void listed(const GameProfile &game) = 0;
    virtual void scanned(const ScanReport &report) = 0;
    virtual void checked(const CheckReport &report) = 0;
    virtual void set(const SetReport &report) = 0;

protected:
    std::ostream &out;
};

} // namespace bitloom::cli
