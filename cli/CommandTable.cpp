#include "CommandTable.h"

#include "Commands.h"
#include "handling/MessageText.h"

#include <algorithm>
#include <array>
#include <fmt/format.h>

namespace bitloom::cli {

namespace {

constexpr Commands fileCommands = only(Command::Scan) | only(Command::Check) | only(Command::Set);

constexpr std::array commands{
    CommandEntry{"decode", Command::Decode, "VALEUR...", 1, unlimited, 0,
                 "decode attend au moins une valeur",
                 "liste les flags de chaque valeur, puis la valeur telle que la fenêtre l'affiche",
                 "Chaque flag est donné avec son chiffre, sa part de la valeur et sa "
                 "description ; une valeur illisible est signalée avec ce que le jeu y lirait.",
                 runDecode},
    CommandEntry{"encode", Command::Encode, "[VALEUR] NOM...", 1, unlimited, 0,
                 "encode attend au moins un nom de flag",
                 "donne la valeur des flags nommés, en partant de VALEUR (0 sans elle) : NOM ou "
                 "+NOM ajoute un flag, -NOM l'enlève",
                 "La valeur s'écrit comme la fenêtre l'affiche, à recopier dans la colonne "
                 "\"ae\" ; un nom mal écrit reçoit les noms les plus proches en suggestion.",
                 runEncode},
    CommandEntry{"list", Command::List, "", 0, 0, 0, "",
                 "liste les flags : bit, chiffre, masque, nom",
                 "La dernière colonne donne l'orthographe de l'en-tête du fichier du jeu quand "
                 "elle diffère.",
                 runList},
    CommandEntry{"scan", Command::Scan, "FICHIER [IDENTIFIANT...]", 1, unlimited, 1,
                 "scan attend un fichier",
                 "liste chaque ligne de véhicule du fichier avec ses flags (ou seulement celles "
                 "des véhicules nommés), puis signale ses problèmes sur la sortie d'erreur",
                 "Chaque ligne dit ce que le jeu lit dans la colonne des flags ; une ligne après "
                 "\";the end\" est marquée non lue. La première colonne marque E ou A une ligne "
                 "qui a une erreur ou un avertissement.",
                 runScan},
    CommandEntry{
        "check", Command::Check, "FICHIER...", 1, unlimited, unlimited, "check attend un fichier",
        "signale les problèmes de chaque fichier, un par ligne, et les compte", "", runCheck},
    CommandEntry{
        "set", Command::Set, "FICHIER IDENTIFIANT [VALEUR] NOM... [IDENTIFIANT [VALEUR] NOM...]...",
        3, unlimited, 1, "set attend un fichier, un identifiant, puis une valeur ou des flags",
        "change les flags de véhicules dans le fichier : de VALEUR, ou de la valeur "
        "écrite sans elle, NOM ou +NOM ajoute un flag, -NOM l'enlève",
        "Seule la colonne \"ae\" de la ligne standard de chaque véhicule est réécrite, "
        "dans le style du champ (casse, 0x, zéros en tête) ; tout le reste garde ses "
        "octets. Un mot qui n'est ni une valeur, ni un nom de flag, ni +NOM ou -NOM "
        "commence le véhicule suivant. Tous les véhicules sont écrits d'un coup, ou "
        "aucun.",
        runSet},
    CommandEntry{"help", Command::Help, "[COMMANDE]", 0, 1, 0, "",
                 "affiche cette aide, ou celle d'une commande", "", nullptr},
};

std::string chooseGame(Options &options, std::string_view name)
{
    std::vector<std::string_view> names;
    for (const handling::GameProfile *game : handling::games())
        names.push_back(game->option);
    const std::string choice = fmt::format("--game attend {}", handling::alternatives(names));
    if (name.empty())
        return choice;
    options.game = handling::findGame(name);
    if (options.game == nullptr)
        return fmt::format("jeu inconnu {} : {}", handling::quoted(name), choice);
    return {};
}

// An option without an argument.
template <auto member, bool value>
std::string setTo(Options &options, std::string_view)
{
    options.*member = value;
    return {};
}

constexpr std::array options{
    OptionEntry{"--game", "vc|gta3|sa",
                "vc : colonne \"ae\" (31e champ), 28 flags ; gta3 : colonne \"ad\" (30e "
                "champ), les 16 flags des chiffres 1 à 4 ; sa : colonnes \"af\" (32e champ, "
                "model) et \"ag\" (33e, handling), 32 flags chacune. Sans --game, scan, check et "
                "set reconnaissent le jeu au fichier, les autres prennent vc",
                anyCommand & ~only(Command::Help), chooseGame},
    OptionEntry{
        "--has", "NOM", "scan : seulement les véhicules qui ont ce flag", only(Command::Scan),
        [](Options &o, std::string_view name) {
            o.has = name;
            return name.empty() ? std::string("--has attend un nom de flag") : std::string();
        }},
    OptionEntry{"--json", "", "sortie JSON, pour les scripts", anyCommand & ~only(Command::Help),
                setTo<&Options::json, true>},
    OptionEntry{"--dry-run", "", "set : montre chaque ligne avant et après, sans rien écrire",
                only(Command::Set), setTo<&Options::dryRun, true>},
    OptionEntry{"--no-backup", "", "set : ne garde pas de copie de l'ancien fichier",
                only(Command::Set), setTo<&Options::keepBackup, false>},
};

// Named arguments: {vc} and {gta3}, the fields of each kind of line;
// {line} and {file}, the game's limits.
constexpr std::array sections{
    HelpSection{"Valeurs",
                "Chiffres hexadécimaux, majuscules ou minuscules, zéros en tête et préfixe 0x "
                "permis. Toute autre valeur est une erreur, dont le message dit aussi ce que le "
                "jeu lirait : il s'arrête au premier caractère non hexadécimal (\"9047000xyz\" "
                "se lit 9047000). Des bits au-delà des flags du jeu valent un avertissement : le "
                "jeu les ignore, et les flags de la valeur sont listés. La VALEUR de départ "
                "d'encode et de set commence par un chiffre (0c0, pas c0) et n'a pas de \"_\". San "
                "Andreas a deux champs de flags : une valeur dit le sien, model:2800 (colonne "
                "\"af\") ou handling:2800 (colonne \"ag\").",
                only(Command::Decode) | only(Command::Encode) | only(Command::Set)},
    HelpSection{"Noms de flags",
                "Ceux de la fenêtre, casse indifférente, ou ceux de l'en-tête du fichier du jeu "
                "(NEUTRALHANDLING, FAT_REARW, NARROW_FRONTW, GOOD_INSAND). Un nom mal écrit "
                "reçoit les noms les plus proches en suggestion. Pour San Andreas, ceux de "
                "l'en-tête de son fichier : un nom n'est que d'un des deux champs, et dit lequel "
                "(IS_BIG, model ; NOS_INST, handling).",
                only(Command::Encode) | only(Command::List) | only(Command::Set)},
    HelpSection{
        "Fichiers",
        "Champs séparés par des espaces et des tabulations. En première colonne, \";\" "
        "ouvre un commentaire et \"%\", \"!\", \"$\" une entrée bateau, moto ou vol (vc "
        "et sa), \"^\" un groupe d'animation (sa) ; \";the end\", seul sur sa ligne, "
        "termine les données de gta3 et vc : le jeu ne lit rien après ; San Andreas lit "
        "jusqu'à la fin du fichier et prend aussi la virgule pour séparateur. Le jeu lit un "
        "octet par caractère : ASCII ou ANSI. Les fins de ligne Windows sont acceptées ; "
        "un fichier UTF-16 avec BOM est lu, mais signalé. Un fichier de plus de 1 Mio "
        "n'est pas lu. Sans --game, le jeu est celui dont la plupart des lignes standard "
        "ont le nombre de champs, vc sinon.\n"
        "Champs par ligne, marque comprise :\n"
        "    vc    {vc}\n"
        "    gta3  {gta3}\n"
        "    sa    {sa}, groupe d'animation 36",
        fileCommands},
    HelpSection{"Écriture (set)",
                "Rien n'est écrit si un véhicule manque, est défini deux fois, a des colonnes "
                "décalées, si sa seule ligne est après \";the end\" ou écrit son identifiant "
                "autrement que le jeu (banshee pour BANSHEE), si une valeur ou un nom est faux, "
                "si le changement porterait une ligne au-delà de {line} caractères ou le fichier "
                "au-delà de {file} octets, ou allongerait une ligne ou un fichier qui les "
                "dépasse déjà (sinon, un avertissement le dit), si ce n'est pas un fichier de "
                "handling ou s'il a changé depuis sa lecture. Le nouveau fichier est écrit à "
                "côté de l'ancien puis le remplace d'un coup : une panne en chemin laisse "
                "l'ancien entier. L'ancien est gardé à côté, sauf --no-backup : FICHIER.bak la "
                "première fois, puis FICHIER.2.bak, FICHIER.3.bak... ; aucune copie existante "
                "n'est jamais remplacée ni effacée.",
                only(Command::Set)},
    HelpSection{"Problèmes",
                "Chacun est écrit FICHIER:LIGNE: niveau : message, par check sur la sortie "
                "standard, par scan et set sur la sortie d'erreur. Avec --json, le document les "
                "reprend (\"problems\" : ligne, niveau, règle, identifiant, message, valeur lue "
                "par le jeu).\n"
                "Erreurs (le jeu lit mal la ligne, ou peut planter) : trop peu de champs, "
                "identifiant de véhicule inconnu du jeu (casse comprise), valeur de flags "
                "illisible, véhicule défini deux fois (le jeu ignore la première ligne), "
                "IS_BIKE, IS_BOAT, IS_HELI ou IS_PLANE sans entrée moto, bateau ou vol, ligne de "
                "plus de {line} caractères, fichier de plus de {file} octets, pas de \";the "
                "end\" ou pas de saut de ligne après lui, ligne de véhicule après lui, BOM UTF-8, "
                "texte UTF-16, fichier binaire.\n"
                "Avertissements (suspect) : champs en trop, bits au-delà des flags du jeu, "
                "entrée bateau, moto ou vol sans le flag qui va avec, commentaire qui ressemble "
                "à \";the end\", lignes standard qui ont toutes le nombre de champs d'un autre "
                "jeu.",
                fileCommands},
    HelpSection{"Code de sortie",
                "  0  aucune erreur (des avertissements peuvent avoir été signalés)\n"
                "  1  au moins une erreur : une valeur, un nom, une ligne ou un fichier\n"
                "  2  mauvaise utilisation",
                anyCommand},
};

// The entry of a table whose member equals key, if any.
template <auto member, typename Entry, std::size_t size, typename Key>
const Entry *findIn(const std::array<Entry, size> &table, const Key &key)
{
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const Entry &entry) { return entry.*member == key; });
    return found == table.end() ? nullptr : &*found;
}

} // namespace

std::span<const CommandEntry> commandTable()
{
    return commands;
}

std::span<const OptionEntry> optionTable()
{
    return options;
}

std::span<const HelpSection> helpSections()
{
    return sections;
}

const CommandEntry *findCommand(std::string_view name)
{
    return findIn<&CommandEntry::name>(commands, name);
}

const CommandEntry *findCommand(Command command)
{
    return findIn<&CommandEntry::command>(commands, command);
}

const OptionEntry *findOption(std::string_view name)
{
    return findIn<&OptionEntry::name>(options, name);
}

std::string commandChoice()
{
    std::vector<std::string_view> names;
    for (const CommandEntry &command : commands)
        names.push_back(command.name);
    return fmt::format("({})", handling::alternatives(names));
}

} // namespace bitloom::cli
