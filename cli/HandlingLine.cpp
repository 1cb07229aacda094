#include "HandlingLine.h"

namespace bitloom::cli {

namespace {

constexpr std::string_view separators = " \t";
constexpr std::string_view endMarker = ";the end";

// The game compares only the marker's own characters, so ";the end" followed
// by anything still ends the data.
LineKind kindOf(std::string_view rest)
{
    switch (rest.front()) {
    case ';':
        return rest.starts_with(endMarker) ? LineKind::End : LineKind::Comment;
    case '%':
    case '!':
    case '$':
        return LineKind::OtherSection;
    default:
        return LineKind::Vehicle;
    }
}

} // namespace

HandlingLine readHandlingLine(std::string_view line, std::size_t flagsField)
{
    if (line.ends_with('\r'))
        line.remove_suffix(1);

    HandlingLine result;
    std::size_t start = line.find_first_not_of(separators);
    if (start == std::string_view::npos)
        return result;
    result.kind = kindOf(line.substr(start));
    if (result.kind != LineKind::Vehicle)
        return result;

    while (start != std::string_view::npos) {
        const std::size_t end = line.find_first_of(separators, start);
        const std::string_view field = line.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        ++result.fieldCount;
        if (result.fieldCount == 1)
            result.identifier = field;
        if (result.fieldCount == flagsField)
            result.flagsText = field;
        start = line.find_first_not_of(separators, end);
    }
    return result;
}

} // namespace bitloom::cli
