#include "NearestNames.h"

#include "text/AsciiCase.h"

#include <algorithm>
#include <cstddef>

namespace bitloom::flags {

namespace {

constexpr std::size_t maxSuggestions = 3;
// Longer than this, a text is no misspelling of a name: the distance is not
// worth its cost.
constexpr std::size_t maxCompared = 64;

// Edits that a typing slip may make, for a name of this length.
std::size_t allowedDistance(std::size_t length)
{
    if (length <= 4)
        return 1;
    return length <= 8 ? 2 : 3;
}

// Optimal string alignment distance (insertions, deletions, substitutions
// and swaps of neighbours), or more than limit when it is more than limit.
// rows is room the caller lends, so that a long list of candidates costs
// no allocation each.
std::size_t distance(std::string_view a, std::string_view b, std::size_t limit,
                     std::vector<std::size_t> &rows)
{
    const std::size_t longer = std::max(a.size(), b.size());
    if (longer - std::min(a.size(), b.size()) > limit)
        return limit + 1;
    const std::size_t width = b.size() + 1;
    rows.assign(3 * width, 0);
    std::size_t *beforeLast = rows.data();
    std::size_t *last = beforeLast + width;
    std::size_t *current = last + width;
    for (std::size_t j = 0; j < width; ++j)
        last[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        std::size_t rowBest = i;
        for (std::size_t j = 1; j < width; ++j) {
            const std::size_t cost
                = text::lowerAscii(a[i - 1]) == text::lowerAscii(b[j - 1]) ? 0 : 1;
            current[j] = std::min(std::min(last[j], current[j - 1]) + 1, last[j - 1] + cost);
            if (i > 1 && j > 1 && text::lowerAscii(a[i - 1]) == text::lowerAscii(b[j - 2])
                && text::lowerAscii(a[i - 2]) == text::lowerAscii(b[j - 1]))
                current[j] = std::min(current[j], beforeLast[j - 2] + 1);
            rowBest = std::min(rowBest, current[j]);
        }
        // Every later cell comes from this row, or from the row before it
        // through a cell of this one at most one less: past the limit, the
        // distance only grows.
        if (rowBest > limit + 1)
            return limit + 1;
        std::swap(beforeLast, last);
        std::swap(last, current);
    }
    return std::min(last[b.size()], limit + 1);
}

} // namespace

std::vector<std::string_view> nearestNames(std::string_view name,
                                           std::span<const std::string_view> candidates)
{
    std::vector<std::string_view> nearest;
    if (name.empty() || name.size() > maxCompared)
        return nearest;
    std::size_t best = allowedDistance(name.size());
    std::vector<std::size_t> rows;
    for (std::string_view candidate : candidates) {
        const std::size_t d = distance(name, candidate, best, rows);
        if (d > best)
            continue;
        if (d < best) {
            nearest.clear();
            best = d;
        }
        if (nearest.size() < maxSuggestions)
            nearest.push_back(candidate);
    }
    return nearest;
}

} // namespace bitloom::flags
