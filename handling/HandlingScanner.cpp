#include "HandlingScanner.h"

#include "FileChecker.h"
#include "HandlingFile.h"
#include "flags/FlagsValueReader.h"

#include <algorithm>

namespace bitloom::handling {

ScanResult scanHandling(std::string_view text, TextEncoding encoding, const GameProfile &game)
{
    const HandlingFile file = readHandlingFile(text, encoding, game);
    ScanResult result;
    for (const ReadLine &line : file.lines) {
        const HandlingLine &fields = line.fields;
        if (!isVehicleLine(fields.kind))
            continue;
        std::optional<std::uint32_t> gameValue;
        if (fields.kind == LineKind::Standard)
            gameValue = flags::readFlagsValue(fields.flagsText).gameValue;
        result.vehicles.push_back(
            {line.number, fields.kind, fields.identifier, fields.flagsText, gameValue});
    }
    result.problems = checkHandlingFile(file, game);
    return result;
}

std::optional<Level> worstLevel(std::span<const Problem> problems, std::size_t line)
{
    struct ByLine {
        bool operator()(const Problem &p, std::size_t n) const { return p.line < n; }
        bool operator()(std::size_t n, const Problem &p) const { return n < p.line; }
    };
    const auto [first, last] = std::equal_range(problems.begin(), problems.end(), line, ByLine{});
    if (first == last)
        return std::nullopt;
    const bool error
        = std::any_of(first, last, [](const Problem &p) { return p.level == Level::Error; });
    return error ? Level::Error : Level::Warning;
}

} // namespace bitloom::handling
