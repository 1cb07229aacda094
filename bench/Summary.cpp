#include "Summary.h"

#include <algorithm>
#include <cmath>

namespace bitloom::bench {

namespace {

// The value at fraction q of the sorted samples, interpolated linearly.
double quantile(const std::vector<double> &sorted, double q)
{
    const double rank = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(rank));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double weight = rank - static_cast<double>(below);
    return sorted[below] + (sorted[above] - sorted[below]) * weight;
}

} // namespace

Summary summarize(std::vector<double> samples)
{
    Summary summary;
    if (samples.empty())
        return summary;
    std::sort(samples.begin(), samples.end());
    summary.count = samples.size();
    summary.median = quantile(samples, 0.5);
    summary.lowerQuartile = quantile(samples, 0.25);
    summary.upperQuartile = quantile(samples, 0.75);
    summary.minimum = samples.front();
    summary.maximum = samples.back();
    return summary;
}

} // namespace bitloom::bench
