// A vehicle line the user pasted or typed, kept so that "Copier la ligne"
// gives it back with the flags the window shows, and nothing else changed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bitloom::core {

struct PastedLine {
    std::string text{};       // as given, its line break included
    std::string identifier{}; // the vehicle's
    // Why the game would not read the line as the window did, as check says
    // it; empty when it would.
    std::string problem{};

    bool operator==(const PastedLine &) const = default;
    bool isCopyable() const { return !text.empty() && problem.empty(); }
};

// "Copier la &ligne de LANDSTAL", "Copier la &ligne" before any line; and
// why the game would not read it, when it would not.
std::string copyLineCaption(const PastedLine &line);

// The line with its flags field holding value, written as that field writes
// values, exactly as bitloom-flags set writes it.
std::string lineWithValue(const PastedLine &line, std::uint32_t value);

} // namespace bitloom::core
