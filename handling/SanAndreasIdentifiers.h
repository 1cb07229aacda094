// San Andreas's vehicle identifiers, in the order of the game's table of
// 210 names: cars 0-161, bikes 162-174, boats 175-186 and flying vehicles
// 186-209, SEAPLANE (186) being both a boat and a flying vehicle. Which
// entry ('!', '%' or '$') an identifier may have follows from those ranges.
// And the models whose name in vehicles.ide is not their handling
// identifier, which people type instead.
#pragma once

#include "VehicleIdentifiers.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace bitloom::handling {

// 147 and 148 in the order of the game's file: a rebuilt list of the
// table's indices has POLICE_SF first. The game looks identifiers up by
// name, so nothing may hang on the index of these two.
inline constexpr std::array<std::string_view, 210> sanAndreasIdentifiers{
    "LANDSTAL",  "BRAVURA",   "BUFFALO",   "LINERUN",   "PEREN",    "SENTINEL", "DUMPER",
    "FIRETRUK",  "TRASH",     "STRETCH",   "MANANA",    "INFERNUS", "VOODOO",   "PONY",
    "MULE",      "CHEETAH",   "AMBULAN",   "MOONBEAM",  "ESPERANT", "TAXI",     "WASHING",
    "BOBCAT",    "MRWHOOP",   "BFINJECT",  "PREMIER",   "ENFORCER", "SECURICA", "BANSHEE",
    "BUS",       "RHINO",     "BARRACKS",  "HOTKNIFE",  "ARTICT1",  "PREVION",  "COACH",
    "CABBIE",    "STALLION",  "RUMPO",     "RCBANDIT",  "ROMERO",   "PACKER",   "MONSTER",
    "ADMIRAL",   "TRAM",      "AIRTRAIN",  "ARTICT2",   "TURISMO",  "FLATBED",  "YANKEE",
    "GOLFCART",  "SOLAIR",    "TOPFUN",    "GLENDALE",  "OCEANIC",  "PATRIOT",  "HERMES",
    "SABRE",     "ZR350",     "WALTON",    "REGINA",    "COMET",    "BURRITO",  "CAMPER",
    "BAGGAGE",   "DOZER",     "RANCHER",   "FBIRANCH",  "VIRGO",    "GREENWOO", "HOTRING",
    "SANDKING",  "BLISTAC",   "BOXVILLE",  "BENSON",    "MESA",     "BLOODRA",  "BLOODRB",
    "SUPERGT",   "ELEGANT",   "JOURNEY",   "PETROL",    "RDTRAIN",  "NEBULA",   "MAJESTIC",
    "BUCCANEE",  "CEMENT",    "TOWTRUCK",  "FORTUNE",   "CADRONA",  "FBITRUCK", "WILLARD",
    "FORKLIFT",  "TRACTOR",   "COMBINE",   "FELTZER",   "REMINGTN", "SLAMVAN",  "BLADE",
    "FREIGHT",   "STREAK",    "VINCENT",   "BULLET",    "CLOVER",   "SADLER",   "RANGER",
    "HUSTLER",   "INTRUDER",  "PRIMO",     "TAMPA",     "SUNRISE",  "MERIT",    "UTILITY",
    "YOSEMITE",  "WINDSOR",   "MTRUCK_A",  "MTRUCK_B",  "URANUS",   "JESTER",   "SULTAN",
    "STRATUM",   "ELEGY",     "RCTIGER",   "FLASH",     "TAHOMA",   "SAVANNA",  "BANDITO",
    "FREIFLAT",  "CSTREAK",   "KART",      "MOWER",     "DUNE",     "SWEEPER",  "BROADWAY",
    "TORNADO",   "DFT30",     "HUNTLEY",   "STAFFORD",  "NEWSVAN",  "TUG",      "PETROTR",
    "EMPEROR",   "FLOAT",     "EUROS",     "HOTDOG",    "CLUB",     "ARTICT3",  "RCCAM",
    "POLICE_LA", "POLICE_SF", "POLICE_VG", "POLRANGER", "PICADOR",  "SWATVAN",  "ALPHA",
    "PHOENIX",   "BAGBOXA",   "BAGBOXB",   "STAIRS",    "BOXBURG",  "FARM_TR1", "UTIL_TR1",
    "ROLLER",    "BIKE",      "MOPED",     "DIRTBIKE",  "FCR900",   "NRG500",   "HPV1000",
    "BF400",     "WAYFARER",  "QUADBIKE",  "BMX",       "CHOPPERB", "MTB",      "FREEWAY",
    "PREDATOR",  "SPEEDER",   "REEFER",    "RIO",       "SQUALO",   "TROPIC",   "COASTGRD",
    "DINGHY",    "MARQUIS",   "CUPBOAT",   "LAUNCH",    "SEAPLANE", "VORTEX",   "RUSTLER",
    "BEAGLE",    "CROPDUST",  "STUNT",     "SHAMAL",    "HYDRA",    "NEVADA",   "AT400",
    "ANDROM",    "DODO",      "SPARROW",   "SEASPAR",   "MAVERICK", "COASTMAV", "POLMAV",
    "HUNTER",    "LEVIATHN",  "CARGOBOB",  "RAINDANC",  "RCBARON",  "RCGOBLIN", "RCRAIDER",
};

// vehicles.ide, section cars, in model order: the models whose name is not
// their handling identifier. "bike" is the chopper bicycle; BIKE, the same
// word in capitals, is the identifier of pcj600's line.
inline constexpr std::array<ModelName, 32> sanAndreasModelNames{{
    {"pizzaboy", "MOPED"},     {"caddy", "GOLFCART"},     {"skimmer", "SEAPLANE"},
    {"pcj600", "BIKE"},        {"faggio", "MOPED"},       {"sanchez", "DIRTBIKE"},
    {"quad", "QUADBIKE"},      {"coastg", "COASTGRD"},    {"vcnmav", "COASTMAV"},
    {"jetmax", "CUPBOAT"},     {"hotrina", "HOTRING"},    {"hotrinb", "HOTRING"},
    {"rnchlure", "RANCHER"},   {"bike", "CHOPPERB"},      {"mtbike", "MTB"},
    {"petro", "PETROL"},       {"copbike", "HPV1000"},    {"firela", "FIRETRUK"},
    {"monstera", "MTRUCK_A"},  {"monsterb", "MTRUCK_B"},  {"streakc", "CSTREAK"},
    {"duneride", "DUNE"},      {"freibox", "FREIFLAT"},   {"copcarla", "POLICE_LA"},
    {"copcarsf", "POLICE_SF"}, {"copcarvg", "POLICE_VG"}, {"copcarru", "POLRANGER"},
    {"glenshit", "GLENDALE"},  {"sadlshit", "SADLER"},    {"tugstair", "STAIRS"},
    {"farmtr1", "FARM_TR1"},   {"utiltr1", "UTIL_TR1"},
}};

// The game keeps 14 bytes per name, terminator included, and finds no two
// entries alike; every model above names one of the table's identifiers.
constexpr bool sanAndreasIdentifiersAreConsistent()
{
    for (std::size_t i = 0; i < sanAndreasIdentifiers.size(); ++i) {
        const std::string_view id = sanAndreasIdentifiers[i];
        if (id.empty() || id.size() > 13)
            return false;
        for (std::size_t j = i + 1; j < sanAndreasIdentifiers.size(); ++j) {
            if (sanAndreasIdentifiers[j] == id)
                return false;
        }
    }
    for (const ModelName &model : sanAndreasModelNames) {
        bool known = false;
        for (const std::string_view id : sanAndreasIdentifiers)
            known = known || id == model.identifier;
        if (!known)
            return false;
    }
    return true;
}
static_assert(sanAndreasIdentifiersAreConsistent());

} // namespace bitloom::handling
