// What differs between the games: where the flags stand in a handling line,
// how many flags there are, the lines and vehicles each game knows.
#pragma once

#include "HandlingFormat.h"
#include "VehicleIdentifiers.h"
#include "text/AsciiCase.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace bitloom::handling {

struct GameProfile {
    std::string_view option; // the value of --game
    std::string_view title;  // as messages name the game
    std::string_view column; // the flags column's letters in handling.cfg
    int flagsField;          // 1-based field number of that column
    int flagCount;           // flags of bits 0..flagCount-1
    FieldCounts fieldCounts;
    std::span<const std::string_view> identifiers;
    std::span<const ModelName> modelNames;

    constexpr std::uint32_t allowedBits() const { return (std::uint32_t{1} << flagCount) - 1; }
    constexpr int fieldsOf(LineKind kind) const { return fieldCounts[vehicleKindIndex(kind)]; }
    constexpr bool hasLines(LineKind kind) const { return fieldsOf(kind) > 0; }

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

inline constexpr GameProfile viceCity{"vc",
                                      "GTA: Vice-City",
                                      "ae",
                                      31,
                                      28,
                                      viceCityFieldCounts,
                                      viceCityIdentifiers,
                                      viceCityModelNames};
// GTA3 has no flags column "ae": its flags are those of digits 1 to 4.
inline constexpr GameProfile gta3{"gta3",          "GTA3",          "ad", 30, 16,
                                  gta3FieldCounts, gta3Identifiers, {}};

static_assert(viceCity.flagsField < viceCity.fieldsOf(LineKind::Standard));
static_assert(gta3.flagsField < gta3.fieldsOf(LineKind::Standard));

// Every game, Vice-City first.
std::span<const GameProfile *const> games();
// The profile for a --game value, or nullptr.
const GameProfile *findGame(std::string_view option);

} // namespace bitloom::handling
