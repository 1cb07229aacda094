// The vehicle identifiers each game knows, in its own order. The game looks
// a line's first field up in this list, exactly and case-sensitively; a name
// it does not find sends it writing outside its handling table. And the
// models that name another identifier than their own name, which people
// type instead.
#pragma once

#include <array>
#include <string_view>

namespace bitloom::handling {

inline constexpr std::array<std::string_view, 106> viceCityIdentifiers{
    "LANDSTAL", "IDAHO",    "STINGER",  "LINERUN",  "PEREN",    "SENTINEL", "PATRIOT",  "FIRETRUK",
    "TRASH",    "STRETCH",  "MANANA",   "INFERNUS", "PONY",     "MULE",     "CHEETAH",  "AMBULAN",
    "FBICAR",   "MOONBEAM", "ESPERANT", "TAXI",     "KURUMA",   "BOBCAT",   "MRWHOOP",  "BFINJECT",
    "POLICE",   "ENFORCER", "SECURICA", "BANSHEE",  "BUS",      "RHINO",    "BARRACKS", "TRAIN",
    "HELI",     "DODO",     "COACH",    "CABBIE",   "STALLION", "RUMPO",    "RCBANDIT", "MAFIA",
    "AIRTRAIN", "DEADDODO", "FLATBED",  "YANKEE",   "GOLFCART", "VOODOO",   "WASHING",  "CUBAN",
    "ROMERO",   "PACKER",   "ADMIRAL",  "GANGBUR",  "ZEBRA",    "TOPFUN",   "GLENDALE", "OCEANIC",
    "HERMES",   "SABRE1",   "SABRETUR", "PHEONIX",  "WALTON",   "REGINA",   "COMET",    "DELUXO",
    "BURRITO",  "SPAND",    "BAGGAGE",  "KAUFMAN",  "RANCHER",  "FBIRANCH", "VIRGO",    "GREENWOO",
    "HOTRING",  "SANDKING", "BLISTAC",  "BOXVILLE", "BENSON",   "DESPERAD", "LOVEFIST", "BLOODRA",
    "BLOODRB",  "BIKE",     "MOPED",    "DIRTBIKE", "ANGEL",    "FREEWAY",  "PREDATOR", "SPEEDER",
    "REEFER",   "RIO",      "SQUALO",   "TROPIC",   "COASTGRD", "DINGHY",   "MARQUIS",  "CUPBOAT",
    "SEAPLANE", "SPARROW",  "SEASPAR",  "MAVERICK", "COASTMAV", "POLMAV",   "HUNTER",   "RCBARON",
    "RCGOBLIN", "RCCOPTER",
};

inline constexpr std::array<std::string_view, 57> gta3Identifiers{
    "LANDSTAL", "IDAHO",    "STINGER",  "LINERUN",  "PEREN",   "SENTINEL", "PATRIOT",  "FIRETRUK",
    "TRASH",    "STRETCH",  "MANANA",   "INFERNUS", "BLISTA",  "PONY",     "MULE",     "CHEETAH",
    "AMBULAN",  "FBICAR",   "MOONBEAM", "ESPERANT", "TAXI",    "KURUMA",   "BOBCAT",   "MRWHOOP",
    "BFINJECT", "POLICE",   "ENFORCER", "SECURICA", "BANSHEE", "PREDATOR", "BUS",      "RHINO",
    "BARRACKS", "TRAIN",    "HELI",     "DODO",     "COACH",   "CABBIE",   "STALLION", "RUMPO",
    "RCBANDIT", "BELLYUP",  "MRWONGS",  "MAFIA",    "YARDIE",  "YAKUZA",   "DIABLOS",  "COLUMB",
    "HOODS",    "AIRTRAIN", "DEADDODO", "SPEEDER",  "REEFER",  "PANLANT",  "FLATBED",  "YANKEE",
    "BORGNINE",
};

// A vehicle model (the name in the game's default.ide and its scripts) and
// the handling identifier it names there.
struct ModelName {
    std::string_view model;
    std::string_view identifier;
};

// Vice-City's default.ide, section cars: the models whose name is not their
// handling identifier.
inline constexpr std::array<ModelName, 17> viceCityModelNames{{
    {"chopper", "HELI"},
    {"sentxs", "MAFIA"},
    {"pizzaboy", "MOPED"},
    {"caddy", "GOLFCART"},
    {"skimmer", "SEAPLANE"},
    {"pcj600", "BIKE"},
    {"faggio", "MOPED"},
    {"rcraider", "RCCOPTER"},
    {"sanchez", "DIRTBIKE"},
    {"coastg", "COASTGRD"},
    {"sabre", "SABRE1"},
    {"vcnmav", "COASTMAV"},
    {"jetmax", "CUPBOAT"},
    {"mesa", "DESPERAD"},
    {"hotrina", "HOTRING"},
    {"hotrinb", "HOTRING"},
    {"vicechee", "CHEETAH"},
}};

} // namespace bitloom::handling
