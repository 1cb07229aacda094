#include "HelpText.h"

#include "handling/GameProfile.h"

#include <fmt/format.h>

namespace bitloom::cli {

namespace {

using handling::GameProfile;

// "standard 33, bateau 16, moto 17, vol 20", from the game's table.
std::string fieldCountsText(const GameProfile &game)
{
    std::string text;
    bool sections = false;
    for (const handling::VehicleLineKind &kind : handling::vehicleLineKinds) {
        if (!game.hasLines(kind.kind))
            continue;
        sections = sections || kind.kind != handling::LineKind::Standard;
        fmt::format_to(std::back_inserter(text), "{}{} {}", text.empty() ? "" : ", ", kind.name,
                       game.fieldsOf(kind.kind));
    }
    return sections ? text : text + " (pas d'entrées bateau, moto ni vol)";
}

} // namespace

std::string helpText()
{
    return fmt::format(R"(Utilisation : bitloom-flags [OPTIONS] COMMANDE ARGUMENTS...

Lit et écrit la valeur des flags spéciaux de handling (la colonne "ae" du
fichier "\data\handling.cfg" de GTA: Vice-City), et cherche dans ce fichier
les fautes qui font planter le jeu ou lui font mal lire une ligne.

Commandes :
  decode VALEUR...  liste les flags de chaque valeur, puis la valeur telle que
                    la fenêtre l'affiche
  encode [VALEUR] NOM...
                    donne la valeur des flags nommés, en partant de VALEUR
                    (0 sans elle) : NOM ou +NOM ajoute un flag, -NOM l'enlève
  list              liste les flags : bit, chiffre, masque, nom
  scan FICHIER [IDENTIFIANT...]
                    liste chaque ligne de véhicule du fichier avec ses flags
                    (ou seulement celles des véhicules nommés), puis signale
                    ses problèmes sur la sortie d'erreur
  check FICHIER...  signale les problèmes de chaque fichier, un par ligne, et
                    les compte
  set FICHIER IDENTIFIANT [VALEUR] NOM... [IDENTIFIANT [VALEUR] NOM...]...
                    change les flags de véhicules dans le fichier : de VALEUR,
                    ou de la valeur écrite sans elle, NOM ou +NOM ajoute un
                    flag, -NOM l'enlève. Seule la colonne "ae" de la ligne
                    standard de chaque véhicule est réécrite, dans le style
                    du fichier (casse, 0x, zéros en tête) ; tout le reste
                    garde ses octets, et l'ancien fichier est gardé en
                    FICHIER.bak. Un mot qui n'est ni une valeur, ni un nom
                    de flag, ni +NOM ou -NOM commence le véhicule suivant.

Options :
  --game vc|gta3    vc (par défaut) : colonne "ae" (31e champ), 28 flags ;
                    gta3 : colonne "ad" (30e champ), les 16 flags des
                    chiffres 1 à 4
  --json            sortie JSON, pour les scripts
  --dry-run         set : montre chaque ligne avant et après, sans rien écrire
  --no-backup       set : ne garde pas de copie FICHIER.bak
  -h, --help        affiche cette aide
  --version         affiche la version

Les options commencent par "--" (sauf -h) et se placent avant ou après la
commande ; "--" les termine. Un FICHIER "-" est l'entrée standard.

Valeurs :
  Chiffres hexadécimaux, majuscules ou minuscules, zéros en tête et préfixe
  0x permis. Toute autre valeur est une erreur, dont le message dit aussi ce
  que le jeu lirait : il s'arrête au premier caractère non hexadécimal
  ("9047000xyz" se lit 9047000). Des bits au-delà des flags du jeu valent un
  avertissement : le jeu les ignore, et les flags de la valeur sont listés.
  La VALEUR de départ d'encode et de set commence par un chiffre et n'a pas
  de "_".

Noms de flags :
  Ceux de la fenêtre, casse indifférente, ou ceux de l'en-tête du fichier du
  jeu (NEUTRALHANDLING, FAT_REARW, NARROW_FRONTW, GOOD_INSAND). Un nom mal
  écrit reçoit les noms les plus proches en suggestion.

Fichiers :
  Champs séparés par des espaces et des tabulations. En première colonne,
  ";" ouvre un commentaire et "%", "!", "$" une entrée bateau, moto ou vol
  (vc seulement) ; ";the end", seul sur sa ligne, termine les données. Le jeu
  lit un octet par caractère : ASCII ou ANSI. Les fins de ligne Windows sont
  acceptées ; un fichier UTF-16 avec BOM est lu, mais signalé.
  Champs par ligne, marque comprise :
    vc    {}
    gta3  {}

Écriture (set) :
  Rien n'est écrit si un véhicule manque, est défini deux fois, a des
  colonnes décalées, si une valeur ou un nom est faux, si une ligne
  dépasserait {} caractères ou le fichier {} octets, si ce n'est pas un
  fichier de handling ou s'il a changé depuis sa lecture. Le nouveau fichier
  est écrit à côté de l'ancien puis le remplace d'un coup : une panne en
  chemin laisse l'ancien entier.

Problèmes :
  Chacun est écrit FICHIER:LIGNE: niveau : message, par check sur la sortie
  standard, par scan sur la sortie d'erreur. Avec --json, le document les
  reprend ("problems" : ligne, niveau, règle, identifiant, message, valeur
  lue par le jeu).
  Erreurs (le jeu lit mal la ligne, ou peut planter) : trop peu de champs,
  identifiant de véhicule inconnu du jeu (casse comprise), valeur de flags
  illisible, véhicule défini deux fois (le jeu ignore la première ligne),
  IS_BIKE, IS_BOAT, IS_HELI ou IS_PLANE sans entrée moto, bateau ou vol,
  ligne de plus de {} caractères, fichier de plus de {} octets, pas de
  ";the end" ou pas de saut de ligne après lui, BOM UTF-8, texte UTF-16,
  fichier binaire.
  Avertissements (suspect) : champs en trop, bits au-delà des flags du jeu,
  entrée bateau, moto ou vol sans le flag qui va avec, commentaire qui
  ressemble à ";the end".

Code de sortie :
  0  aucune erreur (des avertissements peuvent avoir été signalés)
  1  au moins une erreur : une valeur, un nom, une ligne ou un fichier
  2  mauvaise utilisation
)",
                       fieldCountsText(handling::viceCity), fieldCountsText(handling::gta3),
                       handling::maxLineLength, handling::maxGameFileBytes,
                       handling::maxLineLength, handling::maxGameFileBytes);
}

} // namespace bitloom::cli
