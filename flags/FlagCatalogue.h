// The 28 special handling flags of a vehicle, in bit order. A flag's bit is its
// identity; its hex digit, its weight within that digit and its mask all follow
// from the bit and are computed, never stored.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace bitloom::flags {

struct Flag {
    std::string_view name;
    std::string_view description;
};

inline constexpr int flagCount = 28;
inline constexpr int digitCount = 7;
inline constexpr int bitsPerDigit = 4;

// Every bit a value can carry: 0xFFFFFFF.
inline constexpr std::uint32_t allFlagsMask = (std::uint32_t{1} << flagCount) - 1;

// Texts are UTF-8; each character also exists in Windows-1252.
inline constexpr std::array<Flag, flagCount> catalogue{{
    {"1G_BOOST", "Donner de la puissance supplémentaire aux voitures lentes, permettant à la "
                 "voiture de patiner au démarrage."},
    {"2G_BOOST", "Donner de la puissance supplémentaire en coinçant et montant aux collines à la "
                 "vitesse moyenne."},
    {"REV_BONNET", "Inverser le capot de la voiture dans le sens opposée."},
    {"HANGING_BOOT", "Mettre la charnière sur le bord supérieur."},
    {"NO_DOORS", "Enlève l'animation qui la porte de la voiture. Le joueur glissera directement à "
                 "l'intérieur."},
    {"IS_VAN", "Permet d'avoir 2 portes à l'arrière du véhicule et permet aux passagers de "
               "s'assoir des 2 côtés."},
    {"IS_BUS", "Le véhicule peut prendre des passagers quand il atteint des arrêts d'autobus."},
    {"IS_LOW", "Permet au joueur de s'assoir de façon à être plus bas dans la voiture."},
    {"DBL_EXHAUST", "Créé un deuxième pot d'échappement"},
    {"TAILGATE_BOOT", "Mettre la charniere sur le bord inférieur."},
    {"NOSWING_BOOT", "Arrête de faire pivoter le coffre."},
    {"NONPLAYER_STABILISER", "Modifie les performances de la voiture quand celle-ci est sous le "
                             "contrôle de l'IA pour diminuer les chances de se retourner."},
    {"NEUTRAL_HANDLING", "Modifie les performances de la voiture quand celle-ci est sous le "
                         "contrôle de l'IA pour diminuer les chances de dérapage."},
    {"HAS_NO_ROOF",
     "A plusieurs effets détaillés, y compris la capacité de tuer les occupants plus facilement."},
    {"IS_BIG", "Active un son qui intervient quand la voiture se renversse."},
    {"HALOGEN_LIGHTS", "Fait les feux plus brillants et leur donne une légère teinture."},
    {"IS_BIKE",
     "Indique que ce véhicule a aussi une entrée de traitement spéciale dans la section \"moto\"."},
    {"IS_HELI", "Indique que ce véhicule a aussi une entrée de traitement spéciale dans la section "
                "\"hélicoptère\"."},
    {"IS_PLANE", "Indique que ce véhicule a aussi une entrée de traitement spéciale dans la "
                 "section \"avion\"."},
    {"IS_BOAT", "Indique que ce véhicule a aussi une entrée de traitement spéciale dans la section "
                "\"bateau\"."},
    {"NO_EXHAUST", "Removes all exhaust plumes."},
    {"REARWHEEL_1ST", "Ne semble pas avoir d'effet."},
    {"HANDBRAKE_TYRE", "Ne semble pas avoir d'effet."},
    {"SIT_IN_BOAT",
     "Permet au joueur de s'assoir plutôt que de rester debout à l'intérrieur du véhicule."},
    {"FAT_REAR", "Grossi les roues arrière et les pneus."},
    {"NARROW_FRONT", "Réduit les roues avant et les pneus."},
    {"GOOD_IN_SAND", "Arrête le ralentissement du véhicule dans le sable."},
    {"SPECIAL_FLIGHT", "Utilisé par des véhicules volants mais leur but exact n'est pas certain."},
}};

inline constexpr std::array<std::string_view, digitCount> digitCaptions{
    "1er Chiffre", "2e Chiffre", "3e Chiffre", "4e Chiffre",
    "5e Chiffre",  "6e Chiffre", "7e Chiffre",
};

// Bits are 0..27 and digits 1..7 (digit 1 is the rightmost hex digit); the
// functions below throw std::out_of_range outside those ranges.

constexpr int checkedBit(int bit)
{
    if (bit < 0 || bit >= flagCount)
        throw std::out_of_range("flag bit outside 0..27");
    return bit;
}

constexpr int checkedDigit(int digit)
{
    if (digit < 1 || digit > digitCount)
        throw std::out_of_range("digit outside 1..7");
    return digit;
}

constexpr const Flag &flagAt(int bit)
{
    return catalogue[static_cast<std::size_t>(checkedBit(bit))];
}

constexpr int digitOf(int bit)
{
    return checkedBit(bit) / bitsPerDigit + 1;
}

constexpr unsigned valueInDigit(int bit)
{
    return 1u << (checkedBit(bit) % bitsPerDigit);
}

constexpr std::uint32_t maskOf(int bit)
{
    return std::uint32_t{1} << checkedBit(bit);
}

constexpr std::string_view digitCaption(int digit)
{
    return digitCaptions[static_cast<std::size_t>(checkedDigit(digit) - 1)];
}

// The four bits of a digit, lowest first.
constexpr std::array<int, bitsPerDigit> bitsOfDigit(int digit)
{
    const int first = bitsPerDigit * (checkedDigit(digit) - 1);
    return {first, first + 1, first + 2, first + 3};
}

} // namespace bitloom::flags
