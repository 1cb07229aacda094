#include "MessageText.h"

#include "flags/NearestNames.h"

#include <fmt/format.h>
#include <vector>

namespace bitloom::handling {

std::string shown(std::string_view text, Escaping escaping)
{
    const bool cut = text.size() > longestShown;
    if (cut) {
        std::size_t size = longestShown;
        while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80)
            --size; // the byte after the cut continues a character: cut before it
        text = text.substr(0, size);
    }
    std::string result;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (escaping == Escaping::Bytes && (byte < 0x20 || byte == 0x7F || c == '"' || c == '\\'))
            fmt::format_to(std::back_inserter(result), "\\x{:02X}", byte);
        else
            result += c;
    }
    if (cut)
        result += "…";
    return result;
}

std::string quoted(std::string_view text, Escaping escaping)
{
    return fmt::format("\"{}\"", shown(text, escaping));
}

std::string counted(std::size_t count, std::string_view singular, std::string_view plural)
{
    return fmt::format("{} {}", count, count > 1 ? plural : singular);
}

std::string alternatives(std::span<const std::string_view> names)
{
    if (names.size() < 2)
        return names.empty() ? std::string() : std::string(names.front());
    return fmt::format("{} ou {}", fmt::join(names.first(names.size() - 1), ", "), names.back());
}

std::string suggestion(std::span<const std::string_view> names)
{
    if (names.empty())
        return {};
    return fmt::format(" ; vouliez-vous dire {} ?", alternatives(names));
}

std::string identifierSuggestion(std::string_view identifier, const GameProfile &game)
{
    if (const auto handling = game.identifierOfModel(identifier))
        return fmt::format(" ; {} est un nom de modèle, son identifiant de handling est {}",
                           shown(identifier), *handling);
    return suggestion(flags::nearestNames(identifier, game.identifiers));
}

std::string entryLabel(LineKind kind)
{
    if (kind == LineKind::AnimationGroup)
        return fmt::format("ligne de groupe d'animation ({})", animationGroupMarker);
    const VehicleLineKind &info = vehicleLineKind(kind);
    if (info.marker == '\0')
        return "ligne standard";
    return fmt::format("entrée {} ({})", info.name, info.marker);
}

std::string fieldCountsText(const GameProfile &game)
{
    std::string text;
    bool sections = false;
    for (const VehicleLineKind &kind : vehicleLineKinds) {
        if (!game.hasLines(kind.kind))
            continue;
        sections = sections || kind.kind != LineKind::Standard;
        fmt::format_to(std::back_inserter(text), "{}{} {}", text.empty() ? "" : ", ", kind.name,
                       game.fieldsOf(kind.kind));
    }
    return sections ? text : text + " (pas d'entrées bateau, moto ni vol)";
}

std::string flagsColumns(const GameProfile &game)
{
    std::vector<std::string> columns;
    for (const FlagsField &field : game.flagsFields)
        columns.push_back(fmt::format("\"{}\"", field.column));
    return fmt::format("{}", fmt::join(columns, " et "));
}

std::string gameFlags(const GameProfile &game)
{
    return fmt::format("{} flags de {}", game.flags().flagCount, game.title);
}

} // namespace bitloom::handling
