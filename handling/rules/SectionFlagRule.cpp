#include "Rules.h"

#include "flags/FlagsValue.h"
#include "flags/FlagsValueReader.h"
#include "handling/MessageText.h"
#include "handling/SectionFlags.h"

#include <fmt/format.h>
#include <map>
#include <optional>
#include <set>
#include <utility>

namespace bitloom::handling::rules {

namespace {

// The flags of the vehicle as the game keeps them: from its last standard
// line, when the game reads a value there.
struct VehicleFlags {
    const ReadLine *line;
    std::optional<std::uint32_t> value;
};

std::vector<std::string_view> flagNames(std::uint32_t mask)
{
    std::vector<std::string_view> names;
    for (int bit : flags::setBits(mask))
        names.push_back(flags::flagAt(bit).name);
    return names;
}

// "IS_HELI" or "IS_HELI et IS_PLANE": the flags a line has.
std::string allOf(std::uint32_t mask)
{
    return fmt::format("{}", fmt::join(flagNames(mask), " et "));
}

std::string entryForFlags(const SectionFlags &section, std::uint32_t value)
{
    return fmt::format("{} sans {} pour ce véhicule : le jeu prend pour lui des données vides",
                       allOf(value & section.needingIt), entryLabel(section.section));
}

std::string flagsForEntry(const SectionFlags &section, const VehicleFlags *vehicle)
{
    const std::string entry = entryLabel(section.section);
    if (vehicle == nullptr)
        return fmt::format("{} sans ligne standard pour ce véhicule", entry);
    return fmt::format("{} alors que la ligne standard (ligne {}) n'a pas {} : le jeu ne s'en sert "
                       "sans doute pas",
                       entry, vehicle->line->number, alternatives(flagNames(section.allowingIt)));
}

} // namespace

void checkSectionFlags(const HandlingFile &file, const GameProfile &game,
                       std::vector<Problem> &problems)
{
    std::map<std::string_view, VehicleFlags> vehicles;
    std::set<std::pair<LineKind, std::string_view>> entries;
    for (const ReadLine &line : file.lines) {
        const HandlingLine &fields = line.fields;
        if (fields.kind == LineKind::Standard && !fields.identifier.empty()) {
            vehicles[fields.identifier]
                = {&line,
                   flags::readFlagsValue(fields.flagsText(), game.flags().allowedBits()).gameValue};
        } else if (isVehicleLine(fields.kind)) {
            entries.insert({fields.kind, fields.identifier});
        }
    }

    for (const SectionFlags &section : game.sectionFlags) {
        for (const auto &[identifier, vehicle] : vehicles) {
            if (vehicle.value && (*vehicle.value & section.needingIt) != 0
                && !entries.contains({section.section, identifier})) {
                problems.push_back(lineProblem(*vehicle.line, Level::Error,
                                               entryForFlags(section, *vehicle.value)));
            }
        }
        for (const ReadLine &line : file.lines) {
            if (line.fields.kind != section.section)
                continue;
            const auto found = vehicles.find(line.fields.identifier);
            const VehicleFlags *vehicle = found == vehicles.end() ? nullptr : &found->second;
            if (vehicle == nullptr
                || (vehicle->value && (*vehicle->value & section.allowingIt) == 0)) {
                problems.push_back(
                    lineProblem(line, Level::Warning, flagsForEntry(section, vehicle)));
            }
        }
    }
}

} // namespace bitloom::handling::rules
