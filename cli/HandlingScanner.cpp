#include "HandlingScanner.h"

#include "HandlingLine.h"
#include "Messages.h"
#include "flags/FlagsValueReader.h"

#include <algorithm>

namespace bitloom::cli {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

} // namespace

ScanResult scanHandling(std::string_view text, const GameProfile &game)
{
    if (text.starts_with(byteOrderMark))
        text.remove_prefix(byteOrderMark.size());

    ScanResult result;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        ++lineNumber;
        const std::size_t end = text.find('\n', start);
        const std::string_view line = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        start = end == std::string_view::npos ? text.size() : end + 1;

        if (line.find('\0') != std::string_view::npos) {
            result.problems.push_back({.message = messages::binaryFile(), .line = lineNumber});
            return result;
        }
        const HandlingLine fields
            = readHandlingLine(line, static_cast<std::size_t>(game.flagsField));
        switch (fields.kind) {
        case LineKind::Blank:
        case LineKind::Comment:
            break;
        case LineKind::End:
            return result;
        case LineKind::OtherSection:
            ++result.otherSectionLines;
            break;
        case LineKind::Vehicle:
            if (fields.flagsText.empty()) {
                result.problems.push_back(
                    {.message = messages::tooFewFields(fields.fieldCount, game),
                     .line = lineNumber,
                     .identifier = fields.identifier});
                break;
            }
            const flags::ValueReading reading
                = flags::readFlagsValue(fields.flagsText, game.allowedBits());
            if (reading.problem != flags::ValueProblem::None) {
                result.problems.push_back(
                    {.message = messages::valueProblem(fields.flagsText, reading, game),
                     .line = lineNumber,
                     .identifier = fields.identifier,
                     .input = fields.flagsText,
                     .gameValue = reading.gameValue});
                break;
            }
            result.vehicles.push_back(
                {lineNumber, fields.identifier, fields.flagsText, reading.value});
            break;
        }
    }
    result.problems.push_back(
        {.message = messages::noEndMarker(), .line = std::max<std::size_t>(lineNumber, 1)});
    return result;
}

} // namespace bitloom::cli
