#include "Messages.h"

#include "flags/FlagsValue.h"

#include <initializer_list>
#include <string>

namespace bitloom::cli::messages {

namespace {

// One message from its pieces. (Chains of operator+ on temporaries trip a
// false -Wrestrict in GCC 12 at -O3.)
std::string cat(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (std::string_view piece : pieces)
        text += piece;
    return text;
}

// Two digits, as bytes are usually written.
std::string byteHex(unsigned char byte)
{
    return cat({byte < 0x10 ? "0" : "", flags::hexText(byte)});
}

// Text from a file or the command line: long texts are cut and control
// characters escaped, so that a message stays one readable line.
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

} // namespace

std::string helpText()
{
    return R"(Utilisation : bitloom-flags [OPTIONS] COMMANDE ARGUMENTS...

Lit et écrit la valeur des flags spéciaux de handling : la colonne "ae" du
fichier "\data\handling.cfg" de GTA: Vice-City.

Commandes :
  decode VALEUR...  liste les flags de chaque valeur, puis la valeur telle que
                    la fenêtre l'affiche
  encode NOM...     donne la valeur des flags nommés (casse indifférente)
  scan FICHIER      liste les flags de chaque véhicule d'un fichier handling

Options :
  --game vc|gta3    vc (par défaut) : colonne "ae" (31e champ), 28 flags ;
                    gta3 : colonne "ad" (30e champ), les 16 flags des
                    chiffres 1 à 4
  --json            sortie JSON, pour les scripts
  -h, --help        affiche cette aide
  --version         affiche la version

Valeurs : chiffres hexadécimaux, majuscules ou minuscules, zéros en tête et
préfixe 0x permis. Toute autre valeur est une erreur, dont le message dit
aussi ce que le jeu lirait : il s'arrête au premier caractère non
hexadécimal ("9047000xyz" se lit 9047000).

Fichiers : champs séparés par des espaces et des tabulations ; une ligne
commençant par ";" est un commentaire, ";the end" termine les données ; les
lignes commençant par "%", "!" ou "$" sont d'autres sections, ignorées et
comptées. Fins de ligne Windows et BOM UTF-8 acceptés. Les erreurs sont
écrites sur la sortie d'erreur sous la forme FICHIER:LIGNE: message ; les
autres lignes sont quand même listées. Avec --json, le document les reprend
aussi ("problems" : ligne, identifiant, message, valeur lue par le jeu).

Code de sortie : 0 si tout est correct, 1 si une valeur, un nom, une ligne ou
le fichier est incorrect, 2 pour une mauvaise utilisation.
)";
}

std::string scanSummary(std::size_t vehicles, std::size_t otherSectionLines)
{
    return cat(
        {"véhicules : ", std::to_string(vehicles),
         " ; lignes d'autres sections (%, !, $) ignorées : ", std::to_string(otherSectionLines)});
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
    return cat({"commande inconnue ", quoted(command), " (decode, encode ou scan)"});
}

std::string missingCommand()
{
    return "commande manquante (decode, encode ou scan)";
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
    if (command == "scan")
        return "scan attend un fichier";
    return cat(
        {command, " attend au moins ", command == "encode" ? "un nom de flag" : "une valeur"});
}

std::string oneFileOnly()
{
    return "scan attend un seul fichier";
}

std::string valueProblem(std::string_view text, const flags::ValueReading &reading,
                         const GameProfile &game)
{
    switch (reading.problem) {
    case flags::ValueProblem::None:
        break;
    case flags::ValueProblem::Empty:
        return "valeur vide";
    case flags::ValueProblem::NotHex:
        return cat({"valeur ", quoted(text), " : ", badCharacter(text[reading.badOffset]),
                    " en position ", std::to_string(reading.badOffset + 1), " ; ",
                    gameReads(reading)});
    case flags::ValueProblem::AboveFlags:
        return cat({"valeur ", quoted(text), " : bits au-delà des ", gameFlags(game)});
    }
    return {};
}

std::string unknownFlag(std::string_view name)
{
    return cat({"flag inconnu ", quoted(name)});
}

std::string flagNotInGame(std::string_view name, const GameProfile &game)
{
    return cat({"le flag ", quoted(name), " n'est pas parmi les ", gameFlags(game)});
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
    return cat({"fichier trop gros (plus de ", std::to_string(maxBytes / (1024 * 1024)), " Mio)"});
}

std::string binaryFile()
{
    return "fichier binaire (octet nul) : lecture abandonnée";
}

std::string vehicleProblem(std::string_view identifier, std::string_view problem)
{
    return cat({escaped(identifier), " : ", problem});
}

std::string tooFewFields(std::size_t fieldCount, const GameProfile &game)
{
    return cat({std::to_string(fieldCount), fieldCount > 1 ? " champs" : " champ",
                ", il en faut au moins ", std::to_string(game.flagsField), " pour la colonne \"",
                game.column, "\""});
}

std::string noEndMarker()
{
    return "pas de ligne \";the end\" : le jeu ne saurait pas où s'arrêtent les données";
}

std::string outputError()
{
    return "erreur d'écriture de la sortie";
}

} // namespace bitloom::cli::messages
