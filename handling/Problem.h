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

// What found a problem, as JSON names it for scripts: check's rules, which
// set's refusals share where they say the same, and set's own.
namespace rules {
inline constexpr std::string_view encoding = "encoding";
inline constexpr std::string_view vehicle = "vehicle";
inline constexpr std::string_view fields = "fields";
inline constexpr std::string_view flags = "flags";
inline constexpr std::string_view duplicate = "duplicate";
inline constexpr std::string_view section = "section";
inline constexpr std::string_view lineLength = "line-length";
inline constexpr std::string_view fileSize = "file-size";
inline constexpr std::string_view end = "end";
inline constexpr std::string_view afterEnd = "after-end";
inline constexpr std::string_view game = "game";
// set: a vehicle without a line in the file, a value or flag name asked
// for, and the file as a whole (not read, not a handling file, not written).
inline constexpr std::string_view missing = "missing";
inline constexpr std::string_view request = "request";
inline constexpr std::string_view file = "file";
} // namespace rules

// Every member has an initializer, so that a designated initializer may leave
// out those that do not apply.
struct Problem {
    Level level = Level::Error;
    std::string_view rule{};  // which check found it, one of ruleCodes; empty for an argument's
    std::string message{};    // about the input itself, without the vehicle's identifier
    std::size_t line = 0;     // 1-based line of the file; 0 when not about a line
    std::string identifier{}; // the vehicle's, when the line has one
    std::string input{};      // the value, name or flags field as written
    // What the game reads there, when it reads a value at all.
    std::optional<std::uint32_t> gameValue{};
};

inline std::size_t countOf(std::span<const Problem> problems, Level level)
{
    return static_cast<std::size_t>(std::count_if(
        problems.begin(), problems.end(), [&](const Problem &p) { return p.level == level; }));
}

} // namespace bitloom::handling
