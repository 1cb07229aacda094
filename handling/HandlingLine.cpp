#include "HandlingLine.h"

namespace bitloom::handling {

namespace {

LineKind kindOf(std::string_view line, const GameProfile &game)
{
    if (line == endMarker)
        return LineKind::End;
    if (line.find_first_not_of(fieldSeparators) == std::string_view::npos)
        return LineKind::Blank;
    if (line.front() == commentMarker)
        return LineKind::Comment;
    if (line.front() == animationGroupMarker && game.hasLines(LineKind::AnimationGroup))
        return LineKind::AnimationGroup;
    for (const VehicleLineKind &kind : vehicleLineKinds) {
        if (kind.marker != '\0' && line.front() == kind.marker && game.hasLines(kind.kind))
            return kind.kind;
    }
    return LineKind::Standard;
}

} // namespace

HandlingLine readHandlingLine(std::string_view line, const GameProfile &game)
{
    if (line.ends_with('\r'))
        line.remove_suffix(1);

    HandlingLine result;
    result.kind = kindOf(line, game);
    if (!isVehicleLine(result.kind) && result.kind != LineKind::AnimationGroup)
        return result;

    const std::size_t identifierField = result.kind == LineKind::Standard ? 1 : 2;
    std::size_t start = line.find_first_not_of(game.separators);
    while (start != std::string_view::npos) {
        const std::size_t end = line.find_first_of(game.separators, start);
        const std::string_view field = line.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        ++result.fieldCount;
        if (result.fieldCount == identifierField && result.kind != LineKind::AnimationGroup)
            result.identifier = field;
        for (std::size_t i = 0; i < game.flagsFields.size(); ++i) {
            if (result.kind == LineKind::Standard
                && result.fieldCount == static_cast<std::size_t>(game.flagsFields[i].field))
                result.flagsTexts[i] = field;
        }
        start = line.find_first_not_of(game.separators, end);
    }
    return result;
}

} // namespace bitloom::handling
