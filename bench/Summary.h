// The median and spread of a set of samples.
#pragma once

#include <cstddef>
#include <vector>

namespace bitloom::bench {

struct Summary {
    std::size_t count = 0;
    double median = 0;
    double lowerQuartile = 0;
    double upperQuartile = 0;
    double minimum = 0;
    double maximum = 0;
};

// Quartiles are interpolated between neighbouring ranks; an empty set gives
// a summary of zeros with a count of 0.
Summary summarize(std::vector<double> samples);

} // namespace bitloom::bench
