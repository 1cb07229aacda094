// Something wrong with one input: a value or a name on the command line, a
// line of a handling file, or the file itself.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace bitloom::handling {

// An error is something the game misreads, or may crash on; a warning is
// something suspicious, which the game reads as the person meant or ignores.
enum class Level : std::uint8_t { Error, Warning };

// The views point into the arguments or the scanned text, which must outlive
// the problem. Every member has an initializer, so that a designated
// initializer may leave out those that do not apply.
struct Problem {
    Level level = Level::Error;
    std::string_view rule{};       // the file check that found it; empty for other problems
    std::string message{};         // about the input itself, without the vehicle's identifier
    std::size_t line = 0;          // 1-based line of the file; 0 when not about a line
    std::string_view identifier{}; // the vehicle's, when the line has one
    std::string_view input{};      // the value, name or flags field as written
    // What the game reads there, when it reads a value at all.
    std::optional<std::uint32_t> gameValue{};
};

inline std::size_t countOf(std::span<const Problem> problems, Level level)
{
    return static_cast<std::size_t>(std::count_if(
        problems.begin(), problems.end(), [&](const Problem &p) { return p.level == level; }));
}

} // namespace bitloom::handling
