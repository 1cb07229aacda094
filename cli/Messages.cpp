#include "Messages.h"

#include "flags/FlagsValue.h"

#include <string>

namespace bitloom::cli::messages {

namespace {

// Two digits, as bytes are usually written.
std::string byteHex(unsigned char byte)
{
    return cat({byte < 0x10 ? "0" : "", flags::hexText(byte)});
}

std::string badCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte > 0x20 && byte < 0x7F)
        return cat({"caractère non hexadécimal '", std::string_view(&c, 1), "'"});
    return cat({"octet non hexadécimal 0x", byteHex(byte)});
}

std::string gameReads(const flags::ValueReading &reading)
{
    if (reading.gameValue)
        return cat({"le jeu lirait ", flags::hexText(*reading.gameValue)});
    return "le jeu ne lirait aucune valeur sûre";
}

std::string gameFlags(const GameProfile &game)
{
    return cat({std::to_string(game.flagCount), " flags de ", game.title});
}

std::string number(std::size_t n)
{
    return std::to_string(n);
}

// "standard 33, bateau 16, moto 17, vol 20", from the game's table.
std::string fieldCountsText(const GameProfile &game)
{
    std::string text;
    bool sections = false;
    for (const VehicleLineKind &kind : vehicleLineKinds) {
        if (!game.hasLines(kind.kind))
            continue;
        sections = sections || kind.kind != LineKind::Standard;
        text += cat({text.empty() ? "" : ", ", kind.name, " ",
                     number(static_cast<std::size_t>(game.fieldsOf(kind.kind)))});
    }
    return sections ? text : cat({text, " (pas d'entrées bateau, moto ni vol)"});
}

} // namespace

std::string cat(std::initializer_list<std::string_view> pieces)
{
    // One string from its pieces. (Chains of operator+ on temporaries trip
    // a false -Wrestrict in GCC 12 at -O3.)
    std::string text;
    for (std::string_view piece : pieces)
        text += piece;
    return text;
}

std::string escaped(std::string_view text)
{
    constexpr std::size_t maxShown = 40;
    bool cut = false;
    if (text.size() > maxShown) {
        std::size_t size = maxShown;
        while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80)
            --size; // do not split a UTF-8 sequence
        text = text.substr(0, size);
        cut = true;
    }
    std::string result;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '"' || c == '\\')
            result += cat({"\\x", byteHex(byte)});
        else
            result += c;
    }
    if (cut)
        result += "…";
    return result;
}

std::string quoted(std::string_view text)
{
    return cat({"\"", escaped(text), "\""});
}

std::string counted(std::size_t count, std::string_view singular, std::string_view plural)
{
    return cat({number(count), " ", count > 1 ? plural : singular});
}

std::string alternatives(std::span<const std::string_view> names)
{
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += i + 1 == names.size() ? " ou " : ", ";
        text += names[i];
    }
    return text;
}

std::string_view levelName(Level level)
{
    return level == Level::Error ? "erreur" : "avertissement";
}

std::string helpText()
{
    return cat({R"(Utilisation : bitloom-flags [OPTIONS] COMMANDE ARGUMENTS...

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

Options :
  --game vc|gta3    vc (par défaut) : colonne "ae" (31e champ), 28 flags ;
                    gta3 : colonne "ad" (30e champ), les 16 flags des
                    chiffres 1 à 4
  --json            sortie JSON, pour les scripts
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
  La VALEUR de départ d'encode commence par un chiffre et n'a pas de "_".

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
    vc    )",
                fieldCountsText(viceCity), R"(
    gta3  )",
                fieldCountsText(gta3), R"(

Problèmes :
  Chacun est écrit FICHIER:LIGNE: niveau : message, par check sur la sortie
  standard, par scan sur la sortie d'erreur. Avec --json, le document les
  reprend ("problems" : ligne, niveau, règle, identifiant, message, valeur
  lue par le jeu).
  Erreurs (le jeu lit mal la ligne, ou peut planter) : trop peu de champs,
  identifiant de véhicule inconnu du jeu (casse comprise), valeur de flags
  illisible, véhicule défini deux fois (le jeu ignore la première ligne),
  IS_BIKE, IS_BOAT, IS_HELI ou IS_PLANE sans entrée moto, bateau ou vol,
  ligne de plus de )",
                number(maxLineLength), R"( caractères, fichier de plus de )",
                number(maxGameFileBytes), R"( octets, pas de
  ";the end" ou pas de saut de ligne après lui, BOM UTF-8, texte UTF-16,
  fichier binaire.
  Avertissements (suspect) : champs en trop, bits au-delà des flags du jeu,
  entrée bateau, moto ou vol sans le flag qui va avec, commentaire qui
  ressemble à ";the end".

Code de sortie :
  0  aucune erreur (des avertissements peuvent avoir été signalés)
  1  au moins une erreur : une valeur, un nom, une ligne ou un fichier
  2  mauvaise utilisation
)"});
}

std::string entryLabel(LineKind kind)
{
    const VehicleLineKind &info = vehicleLineKind(kind);
    if (info.marker == '\0')
        return "ligne standard";
    return cat({"entrée ", info.name, " (", std::string_view(&info.marker, 1), ")"});
}

std::string scanSummary(std::span<const std::size_t> linesPerKind, std::size_t errors,
                        std::size_t warnings)
{
    std::size_t total = 0;
    std::string detail;
    for (std::size_t i = 0; i < linesPerKind.size() && i < vehicleLineKinds.size(); ++i) {
        total += linesPerKind[i];
        if (i > 0 && linesPerKind[i] > 0)
            detail += cat({", ", number(linesPerKind[i]), " ", vehicleLineKinds[i].name});
    }
    std::string text = cat({"lignes de véhicules : ", number(total)});
    if (!detail.empty())
        text += cat({" (", number(linesPerKind[0]), " standard", detail, ")"});
    return cat({text, " ; ", counted(errors, "erreur", "erreurs"), " (", errorMark, ") ; ",
                counted(warnings, "avertissement", "avertissements"), " (", warningMark, ")"});
}

std::string checkSummary(std::size_t files, std::size_t errors, std::size_t warnings)
{
    return cat({counted(files, "fichier vérifié", "fichiers vérifiés"), " : ",
                counted(errors, "erreur", "erreurs"), ", ",
                counted(warnings, "avertissement", "avertissements")});
}

std::string versionText(std::string_view version)
{
    return cat({programName, " ", version, "\n"});
}

std::string usageHint()
{
    return cat({"Aide : ", programName, " --help"});
}

std::string unknownCommand(std::string_view command)
{
    return cat({"commande inconnue ", quoted(command), " (decode, encode, list, scan ou check)"});
}

std::string missingCommand()
{
    return "commande manquante (decode, encode, list, scan ou check)";
}

std::string unknownOption(std::string_view option)
{
    return cat({"option inconnue ", quoted(option)});
}

std::string missingGame()
{
    return "--game attend vc ou gta3";
}

std::string unknownGame(std::string_view game)
{
    return cat({"jeu inconnu ", quoted(game), " : --game attend vc ou gta3"});
}

std::string missingOperands(std::string_view command)
{
    if (command == "scan" || command == "check")
        return cat({command, " attend un fichier"});
    return cat(
        {command, " attend au moins ", command == "encode" ? "un nom de flag" : "une valeur"});
}

std::string noOperands(std::string_view command)
{
    return cat({command, " n'attend aucun argument"});
}

std::string standardInputTwice()
{
    return "l'entrée standard (\"-\") ne se lit qu'une fois";
}

std::string valueProblem(std::string_view text, const flags::ValueReading &reading,
                         const GameProfile &game)
{
    switch (reading.problem) {
    case flags::ValueProblem::None:
        break;
    case flags::ValueProblem::Empty:
        return "valeur vide";
    case flags::ValueProblem::NoDigits:
        return cat({"valeur ", quoted(text), " : aucun chiffre après 0x ; ", gameReads(reading)});
    case flags::ValueProblem::NotHex:
        return cat({"valeur ", quoted(text), " : ", badCharacter(text[reading.badOffset]),
                    " en position ", number(reading.badOffset + 1), " ; ", gameReads(reading)});
    case flags::ValueProblem::AboveFlags:
        return cat({"valeur ", quoted(text), " : bits ",
                    flags::hexText(reading.value & ~game.allowedBits()), " au-delà des ",
                    gameFlags(game), " ; le jeu les ignore et lit les flags ",
                    flags::valueText(reading.value & game.allowedBits())});
    case flags::ValueProblem::Above32Bits:
        return cat({"valeur ", quoted(text), " : plus de 32 bits ; ", gameReads(reading)});
    }
    return {};
}

std::string suggestion(std::span<const std::string_view> names)
{
    if (names.empty())
        return {};
    return cat({" ; vouliez-vous dire ", alternatives(names), " ?"});
}

std::string unknownFlag(std::string_view name, std::span<const std::string_view> suggestions)
{
    return cat({"flag inconnu ", quoted(name), suggestion(suggestions)});
}

std::string flagNotInGame(std::string_view name, const GameProfile &game)
{
    return cat({"le flag ", quoted(name), " n'est pas parmi les ", gameFlags(game)});
}

std::string extraBitsDropped(std::string_view text, std::uint32_t extraBits,
                             const GameProfile &game)
{
    return cat({"valeur de départ ", quoted(text), " : bits ", flags::hexText(extraBits),
                " au-delà des ", gameFlags(game), ", retirés du résultat"});
}

std::string fileNotFound()
{
    return "fichier introuvable";
}

std::string isDirectory()
{
    return "c'est un dossier, pas un fichier";
}

std::string cannotOpen()
{
    return "impossible d'ouvrir le fichier";
}

std::string readError()
{
    return "erreur de lecture du fichier";
}

std::string fileTooLarge(std::size_t maxBytes)
{
    return cat({"fichier trop gros (plus de ", number(maxBytes / (1024 * 1024)), " Mio)"});
}

std::string unreadEncoding(std::string_view encoding, bool marked)
{
    return cat(
        {"fichier en ", encoding,
         marked ? " (d'après sa marque d'ordre des octets)" : " sans marque d'ordre des octets",
         " : encodage non lu ; enregistrez-le en ANSI"});
}

std::string binaryFile()
{
    return "fichier binaire (octet nul) : lecture abandonnée";
}

std::string noEndMarker()
{
    return "pas de ligne \";the end\" : le jeu ne saurait pas où s'arrêtent les données";
}

std::string notInFile(std::string_view identifier)
{
    return cat({"aucune ligne du véhicule ", quoted(identifier), " dans le fichier"});
}

std::string vehicleProblem(std::string_view identifier, std::string_view problem)
{
    return cat({escaped(identifier), " : ", problem});
}

std::string fileProblem(std::string_view file, const Problem &problem)
{
    std::string text(file);
    if (problem.line > 0)
        text += cat({":", number(problem.line)});
    text += cat({": ", levelName(problem.level), " : "});
    if (problem.identifier.empty())
        return cat({text, problem.message});
    return cat({text, vehicleProblem(problem.identifier, problem.message)});
}

std::string inputProblem(const Problem &problem)
{
    return cat({programName, ": ", levelName(problem.level), " : ", problem.message});
}

std::string outputError()
{
    return "erreur d'écriture de la sortie";
}

} // namespace bitloom::cli::messages
