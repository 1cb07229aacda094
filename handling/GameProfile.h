// What differs between the games: where the flags stand in a handling line
// and which they are, the lines and vehicles each game knows, and how its
// loader reads the file.
#pragma once

#include "HandlingFormat.h"
#include "SanAndreasIdentifiers.h"
#include "SectionFlags.h"
#include "VehicleIdentifiers.h"
#include "flags/FlagTable.h"
#include "text/AsciiCase.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace bitloom::handling {

// One flags field of a standard line.
struct FlagsField {
    std::string_view key;    // names it in JSON, and before a value: "model:2800"
    std::string_view column; // its letters at the head of the game's file
    int field;               // 1-based
    const flags::FlagTable *table;
    int flagCount; // the game's flags are the bits 0..flagCount-1 of the field

    constexpr std::uint32_t allowedBits() const
    {
        return flagCount >= 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << flagCount) - 1;
    }
};

inline constexpr std::array<FlagsField, 1> viceCityFlagsFields{
    {{"flags", "ae", 31, &flags::windowFlags, 28}}};
// GTA3 has no column "ae": its flags are those of digits 1 to 4.
inline constexpr std::array<FlagsField, 1> gta3FlagsFields{
    {{"flags", "ad", 30, &flags::windowFlags, 16}}};
inline constexpr std::array<FlagsField, 2> sanAndreasFlagsFields{{
    {"model", "af", 32, &flags::sanAndreasModelTable, 32},
    {"handling", "ag", 33, &flags::sanAndreasHandlingTable, 32},
}};

struct GameProfile {
    std::string_view option; // the value of --game
    std::string_view title;  // as messages name the game
    std::span<const FlagsField> flagsFields;
    FieldCounts fieldCounts;
    int animationGroupFields; // 0 where the game has no such lines
    std::span<const std::string_view> identifiers;
    std::span<const ModelName> modelNames;
    // Besides spaces and tabs, San Andreas takes commas between fields.
    std::string_view separators;
    std::size_t maxLineLength; // the game's line buffer, line break aside
    std::size_t maxFileBytes;  // the game's file buffer; 0: it reads line by line
    bool stopsAtEndMarker;     // whether ";the end" ends what the game reads
    // Flags that go with an entry in a section, where the game checks them.
    std::span<const SectionFlags> sectionFlags;

    constexpr int fieldsOf(LineKind kind) const
    {
        return kind == LineKind::AnimationGroup ? animationGroupFields
                                                : fieldCounts[vehicleKindIndex(kind)];
    }
    constexpr bool hasLines(LineKind kind) const { return fieldsOf(kind) > 0; }
    // The one flags field of a game that has one.
    constexpr const FlagsField &flags() const { return flagsFields.front(); }

    // The game looks an identifier up exactly, case included.
    constexpr bool knows(std::string_view identifier) const
    {
        return std::find(identifiers.begin(), identifiers.end(), identifier) != identifiers.end();
    }
    // The identifier a model of this name has, in any case.
    constexpr std::optional<std::string_view> identifierOfModel(std::string_view model) const
    {
        for (const ModelName &name : modelNames) {
            if (text::sameIgnoringAsciiCase(name.model, model))
                return name.identifier;
        }
        return std::nullopt;
    }
    // The identifier as the game spells it, when it knows it in some case.
    constexpr std::optional<std::string_view> spelling(std::string_view identifier) const
    {
        for (std::string_view known : identifiers) {
            if (text::sameIgnoringAsciiCase(known, identifier))
                return known;
        }
        return std::nullopt;
    }
};

inline constexpr GameProfile viceCity{
    .option = "vc",
    .title = "GTA: Vice-City",
    .flagsFields = viceCityFlagsFields,
    .fieldCounts = viceCityFieldCounts,
    .animationGroupFields = 0,
    .identifiers = viceCityIdentifiers,
    .modelNames = viceCityModelNames,
    .separators = fieldSeparators,
    .maxLineLength = maxLineLength,
    .maxFileBytes = maxGameFileBytes,
    .stopsAtEndMarker = true,
    .sectionFlags = viceCitySectionFlags,
};
inline constexpr GameProfile gta3{
    .option = "gta3",
    .title = "GTA3",
    .flagsFields = gta3FlagsFields,
    .fieldCounts = gta3FieldCounts,
    .animationGroupFields = 0,
    .identifiers = gta3Identifiers,
    .modelNames = {},
    .separators = fieldSeparators,
    .maxLineLength = maxLineLength,
    .maxFileBytes = maxGameFileBytes,
    .stopsAtEndMarker = true,
    .sectionFlags = {},
};
// San Andreas reads its file line by line to its end: its test for
// ";the end" compares a line whose line break it has made a space.
inline constexpr GameProfile sanAndreas{
    .option = "sa",
    .title = "GTA: San Andreas",
    .flagsFields = sanAndreasFlagsFields,
    .fieldCounts = sanAndreasFieldCounts,
    .animationGroupFields = sanAndreasAnimationGroupFields,
    .identifiers = sanAndreasIdentifiers,
    .modelNames = sanAndreasModelNames,
    .separators = " \t,",
    .maxLineLength = sanAndreasMaxLineLength,
    .maxFileBytes = 0,
    .stopsAtEndMarker = false,
    .sectionFlags = {},
};

constexpr bool flagsFieldsFit(const GameProfile &game)
{
    for (const FlagsField &field : game.flagsFields) {
        if (field.field >= game.fieldsOf(LineKind::Standard)
            || field.flagCount > field.table->size())
            return false;
    }
    return true;
}
static_assert(flagsFieldsFit(viceCity) && flagsFieldsFit(gta3) && flagsFieldsFit(sanAndreas));

// Every game, Vice-City first.
std::span<const GameProfile *const> games();
// The profile for a --game value, or nullptr.
const GameProfile *findGame(std::string_view option);

} // namespace bitloom::handling
