// San Andreas's two flags fields, each a 32-bit hexadecimal word, in bit
// order: the model flags (field 32, "af" at the head of the game's file)
// and the handling flags (field 33, "ag"). Names are spelt as that head
// spells them. A name belongs to one field only, so that a flag named on
// its own tells which of the two words it sets.
#pragma once

#include "FlagCatalogue.h"

#include <array>
#include <string_view>

namespace bitloom::flags {

inline constexpr int sanAndreasFlagCount = 32;

// For the bits that neither the head of the game's file nor the game's
// rebuilt code name.
inline constexpr std::string_view unnamedBitDescription
    = "Bit sans nom : aucune source ne lui connaît d'usage dans le jeu.";

// Texts are UTF-8; each character also exists in Windows-1252.
inline constexpr std::array<Flag, sanAndreasFlagCount> sanAndreasModelFlags{{
    {"IS_VAN", "Fourgon : les deux portes arrière s'ouvrent en battants, comme celles d'une "
               "camionnette."},
    {"IS_BUS", "Bus : portes qui s'ouvrent seules, passagers qui montent tous par la porte avant "
               "et portes avant moins ouvertes."},
    {"IS_LOW", "Voiture basse : au volant, le joueur prend la position de conduite basse."},
    {"IS_BIG", "Gros véhicule : il ne peut pas entrer dans les intérieurs, et le jeu ajuste la "
               "hauteur d'où l'on monte à bord."},
    {"REVERSE_BONNET", "Le capot s'ouvre dans l'autre sens, charnière à l'avant."},
    {"HANGING_BOOT", "Coffre attaché par le haut : le hayon se relève pour s'ouvrir."},
    {"TAILGATE_BOOT", "Ridelle attachée par le bas : le panneau arrière s'abaisse pour s'ouvrir, "
                      "comme sur un pick-up."},
    {"NOSWING_BOOT", "Effet mal connu : d'après son nom, le coffre ne bat pas une fois ouvert ; "
                     "aucune source lue ne le confirme."},
    {"NO_DOORS", "Pas de portes : le jeu retire les quatre portes et l'on monte à bord sans rien "
                 "ouvrir."},
    {"TANDEM_SEATS", "Sièges en tandem : le passager monte et s'assied derrière le conducteur, "
                     "comme sur une moto."},
    {"SIT_IN_BOAT", "Bateau que le joueur conduit assis au lieu de rester debout."},
    {"CONVERTIBLE", "Cabriolet : selon les pièces en option de son modèle, le jeu tient la voiture "
                    "pour dépourvue de toit."},
    {"NO_EXHAUST", "Aucune fumée ne sort du pot d'échappement."},
    {"DOUBLE_EXHAUST", "Deux pots d'échappement : une seconde fumée sort du côté opposé, en miroir "
                       "de la première."},
    {"NO1FPS_LOOK_BEHIND", "En vue à la première personne, le véhicule n'est pas dessiné quand on "
                           "regarde en arrière."},
    {"FORCE_DOOR_CHECK", "Avant qu'on monte ou descende, le jeu vérifie quelles portes avant "
                         "existent vraiment sur le modèle."},
    {"AXLE_F_NOTILT", "Effet mal connu : d'après son nom, les roues avant ne s'inclinent pas avec "
                      "la suspension."},
    {"AXLE_F_SOLID", "Effet mal connu : d'après son nom, essieu avant rigide, les deux roues "
                     "bougeant ensemble."},
    {"AXLE_F_MCPHERSON", "Effet mal connu : d'après son nom, suspension avant de type McPherson."},
    {"AXLE_F_REVERSE", "Effet mal connu : d'après son nom, inverse l'inclinaison des roues avant "
                       "due à la suspension."},
    {"AXLE_R_NOTILT", "Effet mal connu : d'après son nom, les roues arrière ne s'inclinent pas "
                      "avec la suspension."},
    {"AXLE_R_SOLID", "Effet mal connu : d'après son nom, essieu arrière rigide, les deux roues "
                     "bougeant ensemble."},
    {"AXLE_R_MCPHERSON", "Effet mal connu : d'après son nom, suspension arrière de type "
                         "McPherson."},
    {"AXLE_R_REVERSE", "Effet mal connu : d'après son nom, inverse l'inclinaison des roues arrière "
                       "due à la suspension."},
    {"IS_BIKE", "Moto ou vélo : le fichier du jeu le met aux véhicules qui ont aussi une ligne "
                "« ! ». Effet propre mal connu."},
    {"IS_HELI", "Hélicoptère : le fichier du jeu le met aux hélicoptères, qui ont aussi une ligne "
                "« $ ». Effet propre mal connu."},
    {"IS_PLANE", "Avion : le fichier du jeu le met aux avions, qui ont aussi une ligne « $ ». "
                 "Effet propre mal connu."},
    {"IS_BOAT", "Bateau : le fichier du jeu le met aux bateaux, qui ont aussi une ligne « % ». "
                "Effet propre mal connu."},
    {"BOUNCE_PANELS", "Effet mal connu : d'après son nom, les panneaux de carrosserie rebondissent "
                      "; aucune source lue ne le décrit."},
    {"DOUBLE_RWHEELS", "Roues arrière jumelées : le jeu double chaque roue arrière, comme sur un "
                       "camion."},
    {"FORCE_GROUND_CLEARANCE", "Garde au sol forcée : le jeu remonte les parties de la collision "
                               "trop proches du sol."},
    {"IS_HATCHBACK", "Effet mal connu : marque un hayon ; on ne lui connaît d'usage qu'à la "
                     "préparation des pièces du modèle."},
}};

inline constexpr std::array<Flag, sanAndreasFlagCount> sanAndreasHandlingFlags{{
    {"1G_BOOST", "Accélération renforcée dans les rapports bas, plus qu'avec 2G_BOOST : les roues "
                 "patinent plus vite au démarrage."},
    {"2G_BOOST", "Accélération renforcée dans les rapports bas, moins qu'avec 1G_BOOST ; sans "
                 "effet si 1G_BOOST est aussi posé."},
    {"NPC_ANTI_ROLL",
     "Quand l'IA conduit, le centre de gravité est abaissé pour que le véhicule se "
     "retourne moins."},
    {"NPC_NEUTRAL_HANDL", "Effet mal connu : le jeu le pose et l'ôte lui-même sur les voitures à "
                          "hydraulique de l'IA, en recentrant leur masse."},
    {"NO_HANDBRAKE", "Effet mal connu : d'après son nom, le frein à main n'agit pas ; aucune "
                     "source lue ne le confirme."},
    {"STEER_REARWHEELS",
     "Ce sont les roues arrière qui braquent, non les roues avant, comme sur un "
     "chariot élévateur."},
    {"HB_REARWHEEL_STEER", "Les roues arrière braquent aussi, d'un angle à part, et le frein à "
                           "main ne les bloque pas."},
    {"ALT_STEER_OPT", "Effet mal connu : d'après son nom, une autre façon de braquer ; aucune "
                      "source lue ne dit laquelle."},
    {"WHEEL_F_NARROW2", "Roues avant très étroites : leur largeur est multipliée par 0,65."},
    {"WHEEL_F_NARROW", "Roues avant étroites : leur largeur est multipliée par 0,8."},
    {"WHEEL_F_WIDE", "Roues avant larges : leur largeur est multipliée par 1,1."},
    {"WHEEL_F_WIDE2", "Roues avant très larges : leur largeur est multipliée par 1,25."},
    {"WHEEL_R_NARROW2", "Roues arrière très étroites : leur largeur est multipliée par 0,65."},
    {"WHEEL_R_NARROW", "Roues arrière étroites : leur largeur est multipliée par 0,8."},
    {"WHEEL_R_WIDE", "Roues arrière larges : leur largeur est multipliée par 1,1."},
    {"WHEEL_R_WIDE2", "Roues arrière très larges : leur largeur est multipliée par 1,25."},
    {"HYDRAULIC_GEOM", "Voiture faite pour l'hydraulique : une sur quatre sort équipée de vérins, "
                       "et leur course est plus grande."},
    {"HYDRAULIC_INST", "Hydraulique installée : le conducteur peut faire monter et descendre la "
                       "caisse."},
    {"HYDRAULIC_NONE", "Vérins hydrauliques inactifs sur ce véhicule, au moins quand l'IA le "
                       "conduit ; l'effet pour le joueur n'est pas établi."},
    {"NOS_INST",
     "Nitro installée : le jeu traite le véhicule comme équipé de nitro, son du boost compris."},
    {"OFFROAD_ABILITY", "Meilleure tenue hors route : un peu plus d'adhérence hors de la route et "
                        "moins de freinage dans le sable."},
    {"OFFROAD_ABILITY2", "Tenue hors route encore meilleure (adhérence ×1,4 hors de la route) ; "
                         "l'emporte sur OFFROAD_ABILITY si les deux sont posés."},
    {"HALOGEN_LIGHTS", "Effet mal connu : d'après son nom, phares halogènes plus vifs ; aucune "
                       "source lue ne le décrit pour ce jeu."},
    {"PROC_REARWHEEL_1ST",
     "Le jeu calcule les roues arrière avant les roues avant à chaque image ; "
     "effet concret mal connu."},
    {"USE_MAXSP_LIMIT", "La vitesse de pointe est bornée par la vitesse maximale du fichier, au "
                        "lieu d'être déduite de l'accélération et de la traînée."},
    {"LOW_RIDER", "Effet mal connu : d'après son nom, voiture de type lowrider ; les sources lues "
                  "ne disent pas ce qu'il change."},
    {"STREET_RACER", "Effet mal connu : d'après son nom, voiture de course de rue ; les sources "
                     "lues ne disent pas ce qu'il change."},
    {"", unnamedBitDescription},
    // Here, and not one bit lower where one rebuilt declaration of the
    // game's bits puts it: the head of the game's file, the rebuilt flag
    // constants and the game's own lines for the models its code sways
    // (ESPERANT, STRETCH) all have 0x10000000.
    {"SWINGING_CHASSIS", "La carrosserie se balance un peu sur le châssis, de quelques degrés au "
                         "plus."},
    {"", unnamedBitDescription},
    {"", unnamedBitDescription},
    {"", unnamedBitDescription},
}};

// Every named flag has a description, every unnamed bit the same one, and a
// name is found once across both words: it alone says which word it sets.
constexpr bool sanAndreasFlagsAreConsistent()
{
    const std::array<const std::array<Flag, sanAndreasFlagCount> *, 2> words{
        &sanAndreasModelFlags, &sanAndreasHandlingFlags};
    for (const auto *word : words) {
        for (const Flag &flag : *word) {
            if (flag.name.empty() ? flag.description != unnamedBitDescription
                                  : flag.description.empty())
                return false;
            if (flag.name.empty())
                continue;
            int seen = 0;
            for (const auto *other : words) {
                for (const Flag &candidate : *other)
                    seen += candidate.name == flag.name ? 1 : 0;
            }
            if (seen != 1)
                return false;
        }
    }
    return true;
}
static_assert(sanAndreasFlagsAreConsistent());

} // namespace bitloom::flags
