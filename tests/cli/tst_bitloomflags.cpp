// The built bitloom-flags, run as a user or a script runs it: what goes to
// the standard output and to the error output, and the exit status.
#include "support/HandlingText.h"
#include "support/JsonDocuments.h"
#include "support/ProgramRun.h"
#include "support/TempFolder.h"

#include "support/Doctest.h"
#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <unistd.h>
#include <vector>

using namespace bitloom::tests;
namespace fs = std::filesystem;

namespace {

ProgramRun run(const std::vector<std::string> &arguments, const std::string &input = {})
{
    return runProgram(BITLOOM_FLAGS_PROGRAM, arguments, input);
}

// The document a run wrote, kept for the schema check.
nlohmann::json documentOf(const ProgramRun &run)
{
    keepJsonDocument(run.out);
    return nlohmann::json::parse(run.out);
}

const std::string sampleFile = crlfLines({
    "; Vehicle handling, as a modder keeps it",
    "; identifier mass ... flags lights",
    vehicleLine("LANDSTAL", "9047000"),
    vehicleLine("IDAHO", "0x50"),
    boatEntry("PREDATOR"),
    vehicleLine("STINGER", "0"),
    bikeEntry("BIKE"),
    flyingEntry("LANDSTAL"),
    vehicleLine("LINERUN", "4000c1"),
    vehicleLine("PREDATOR", "80000"),
    vehicleLine("BIKE", "10000"),
    ";the end",
});

const std::string sampleTable
    = "   ligne  identifiant  ae       lu       flags\n"
      "   3      LANDSTAL     9047000  9047000  NEUTRAL_HANDLING HAS_NO_ROOF IS_BIG IS_PLANE "
      "FAT_REAR SPECIAL_FLIGHT\n"
      "   4      IDAHO        0x50     50       NO_DOORS IS_BUS\n"
      "   5      PREDATOR                       entrée bateau (%)\n"
      "   6      STINGER      0        0        -\n"
      "   7      BIKE                           entrée moto (!)\n"
      "   8      LANDSTAL                       entrée vol ($)\n"
      "   9      LINERUN      4000c1   4000C1   1G_BOOST IS_BUS IS_LOW HANDBRAKE_TYRE\n"
      "   10     PREDATOR     80000    80000    IS_BOAT\n"
      "   11     BIKE         10000    10000    IS_BIKE\n"
      "\n"
      "lignes de véhicules : 9 (6 standard, 1 bateau, 1 moto, 1 vol) ; 0 erreur (E) ; 0 "
      "avertissement (A)\n";

// A file holding every mistake people make when editing it by hand, each on
// a line of its own; padded beyond the game's 55,000 bytes, and its end
// marker with no line break after it.
struct Mistakes {
    std::string text;
    std::size_t sizeLine = 0; // where the bytes go beyond the game's buffer
    std::size_t endLine = 0;
};

Mistakes mistakes()
{
    std::string oneShort = vehicleLine("IDAHO", "0");
    oneShort.erase(oneShort.find(' '), 7); // the mass
    std::string text = lines({
        "; made-up handling file with the mistakes people make", // 1
        vehicleLine("LANDSTAL", "220"),                          // 2
        oneShort,                                                // 3
        vehicleLine("STINGER", "c0002180"),                      // 4
        vehicleLine("LINERUN", "0x40002004"),                    // 5
        vehicleLine("SENTINEL", "0"),                            // 6
        vehicleLine("SENTINEL", "200"),                          // 7
        vehicleLine("BIKE", "10000"),                            // 8
        vehicleLine("PREDATOR", "80000"),                        // 9
        vehicleLine("MAVERICK", "20000"),                        // 10
        vehicleLine("DODO", "40000"),                            // 11
        vehicleLine("FREEWAY", "0"),                             // 12
        bikeEntry("FREEWAY"),                                    // 13
        "; " + std::string(230, '-'),                            // 14
    });
    std::size_t line = 14;
    while (text.size() < 56000) {
        text += "; " + std::string(97, '.') + '\n';
        ++line;
    }
    Mistakes result;
    const std::string read = text.substr(0, 55000);
    result.sizeLine = static_cast<std::size_t>(std::count(read.begin(), read.end(), '\n')) + 1;
    result.text = text + ";the end";
    result.endLine = line + 1;
    return result;
}

} // namespace

TEST_CASE("decode and encode write what the window shows")
{
    const ProgramRun decoded = run({"decode", "0x09047000", "0"});
    CHECK(decoded.err == "");
    CHECK(decoded.status == 0);
    CHECK(decoded.out
          == "0x09047000\n"
             "  4e Chiffre  1000     NEUTRAL_HANDLING  Modifie les performances de la voiture "
             "quand celle-ci est sous le contrôle de l'IA pour diminuer les chances de dérapage.\n"
             "  4e Chiffre  2000     HAS_NO_ROOF       A plusieurs effets détaillés, y compris la "
             "capacité de tuer les occupants plus facilement.\n"
             "  4e Chiffre  4000     IS_BIG            Active un son qui intervient quand la "
             "voiture se renversse.\n"
             "  5e Chiffre  40000    IS_PLANE          Indique que ce véhicule a aussi une entrée "
             "de traitement spéciale dans la section \"avion\".\n"
             "  7e Chiffre  1000000  FAT_REAR          Grossi les roues arrière et les pneus.\n"
             "  7e Chiffre  8000000  SPECIAL_FLIGHT    Utilisé par des véhicules volants mais "
             "leur but exact n'est pas certain.\n"
             "  valeur : 9047000\n"
             "\n"
             "0\n"
             "  aucun flag\n"
             "  valeur : 0\n");

    const ProgramRun encoded = run({"encode", "IS_BUS", "no_doors"});
    CHECK(encoded.status == 0);
    CHECK(encoded.out == "50\n");
    CHECK(encoded.err == "");

    const ProgramRun wrong = run({"encode", "IS_BUS", "IS_BSU"});
    CHECK(wrong.status == 1);
    CHECK(wrong.out == "");
    CHECK(wrong.err
          == "bitloom-flags: erreur : flag inconnu \"IS_BSU\" ; vouliez-vous dire "
             "IS_BUS ?\n");
}

TEST_CASE("scan: a table for a person, a document for a script")
{
    const TempFolder folder("bitloom-flags-scan");
    const std::string path = folder.write("handling.cfg", sampleFile).string();
    const ProgramRun table = run({"scan", path});
    CHECK(table.err == "");
    CHECK(table.status == 0);
    CHECK(table.out == sampleTable);

    const ProgramRun json = run({"scan", "--json", path});
    CHECK(json.status == 0);
    const auto document = documentOf(json);
    CHECK(document["file"] == path);
    CHECK(document["vehicles"].size() == 9);
    CHECK(document["counts"] == nlohmann::json::parse(R"(
        {"lines": {"standard": 6, "boat": 1, "bike": 1, "flying": 1}, "errors": 0, "warnings": 0}
    )"));

    // From the standard input, and in UTF-16 as Notepad saves "Unicode".
    CHECK(run({"scan", "-"}, sampleFile).out == sampleTable);
    std::string utf16 = "\xFF\xFE";
    for (char c : sampleFile) // ASCII
        utf16 += std::string{c, '\0'};
    const ProgramRun unicode = run({"scan", "-"}, utf16);
    CHECK(unicode.status == 1);
    std::string withError = sampleTable;
    withError.replace(withError.find("0 erreur"), 8, "1 erreur");
    CHECK(unicode.out == withError);
    CHECK(unicode.err
          == "-:1: erreur : fichier en UTF-16 LE (« Unicode » pour le Bloc-notes) : le "
             "jeu lit un octet par caractère et n'y comprend rien ; enregistrez-le en "
             "ANSI\n");
}

TEST_CASE("check reports every mistake on its line, then counts them")
{
    const TempFolder folder("bitloom-flags-check");
    const Mistakes file = mistakes();
    const std::string path = folder.write("mistakes.cfg", file.text).string();
    const ProgramRun r = run({"check", path});
    CHECK(r.err == "");
    const std::string at = path + ':';
    const std::string empty = " pour ce véhicule : le jeu prend pour lui des données vides\n";
    CHECK(r.out
          == at
                 + "3: erreur : IDAHO : 32 champs, il en faut 33 pour une ligne standard de GTA: "
                   "Vice-City : les colonnes qui suivent le manque sont décalées ; le jeu lit "
                   "\"1\" dans la colonne \"ae\"\n"
                 + at
                 + "4: avertissement : STINGER : valeur \"c0002180\" : bits C0000000 au-delà "
                   "des 28 flags de GTA: Vice-City ; le jeu les ignore et lit les flags 2180\n"
                 + at
                 + "5: avertissement : LINERUN : valeur \"0x40002004\" : bits 40000000 au-delà "
                   "des 28 flags de GTA: Vice-City ; le jeu les ignore et lit les flags 2004\n"
                 + at
                 + "6: erreur : SENTINEL : défini à nouveau ligne 7 (ligne standard) : le jeu "
                   "garde la dernière définition et ignore celle-ci\n"
                 + at + "8: erreur : BIKE : IS_BIKE sans entrée moto (!)" + empty + at
                 + "9: erreur : PREDATOR : IS_BOAT sans entrée bateau (%)" + empty + at
                 + "10: erreur : MAVERICK : IS_HELI sans entrée vol ($)" + empty + at
                 + "11: erreur : DODO : IS_PLANE sans entrée vol ($)" + empty + at
                 + "13: avertissement : FREEWAY : entrée moto (!) alors que la ligne standard "
                   "(ligne 12) n'a pas IS_BIKE : le jeu ne s'en sert sans doute pas\n"
                 + at
                 + "14: erreur : ligne de 232 caractères : le jeu n'en prévoit que 200 et peut "
                   "planter\n"
                 + at + std::to_string(file.sizeLine) + ": erreur : fichier de "
                 + std::to_string(file.text.size())
                 + " octets : le jeu n'en prévoit que 55000, et cette ligne les dépasse ; il "
                   "peut planter ou lire de travers\n"
                 + at + std::to_string(file.endLine)
                 + ": erreur : pas de saut de ligne après \";the end\" : le jeu lit au-delà de "
                   "la fin du fichier\n"
                   "1 fichier vérifié : 9 erreurs, 3 avertissements\n");
    CHECK(r.status == 1);

    const ProgramRun json = run({"check", "--json", path, "-"}, sampleFile);
    CHECK(json.status == 1);
    const auto document = documentOf(json);
    CHECK(document["files"].size() == 2);
    CHECK(document["errors"] == 9);
    CHECK(document["warnings"] == 3);
}

TEST_CASE("files that cannot be read, or not as text")
{
    const TempFolder folder("bitloom-flags-files");
    const std::string absent = (folder.path() / "absent.cfg").string();
    const std::string directory = folder.path().string();
    const std::string binary
        = folder.write("binary.cfg", std::string("; x\nAB\0CD\n", 10)).string();
    const std::pair<std::string, std::string> cases[] = {
        {absent, absent + ": erreur : fichier introuvable\n"},
        {directory, directory + ": erreur : c'est un dossier, pas un fichier\n"},
        {binary, binary + ":2: erreur : fichier binaire (octet nul) : lecture abandonnée\n"},
        // An endless device is not read forever.
        {"/dev/zero", "/dev/zero:1: erreur : fichier binaire (octet nul) : lecture abandonnée\n"},
    };
    for (const auto &[path, err] : cases) {
        CAPTURE(path);
        const ProgramRun r = run({"scan", path});
        CHECK(r.err == err);
        CHECK(r.status == 1);
    }

    const std::string unreadable = folder.write("unreadable.cfg", sampleFile).string();
    fs::permissions(unreadable, fs::perms::none);
    if (access(unreadable.c_str(), R_OK) == 0) {
        MESSAGE("permissions do not stop this user (root?)");
    } else {
        const ProgramRun r = run({"scan", unreadable});
        CHECK(r.err == unreadable + ": erreur : impossible d'ouvrir le fichier\n");
        CHECK(r.status == 1);
    }
}

// Up to a megabyte, Windows endings: read whole, every line checked, in well
// under the test's time; far more, refused without being read.
TEST_CASE("a large file")
{
    const TempFolder folder("bitloom-flags-large");
    const char *identifiers[] = {"LANDSTAL", "IDAHO", "STINGER", "LINERUN", "PEREN"};
    std::string text;
    constexpr int vehicles = 6000;
    for (int i = 0; i < vehicles; ++i) {
        char flags[8];
        std::snprintf(flags, sizeof flags, "%x", i * 977 % 0xFFFF);
        text += vehicleLine(identifiers[i % 5], flags) + "\r\n";
    }
    text += ";the end\r\n";
    const ProgramRun r = run({"scan", folder.write("large.cfg", text).string()});
    CHECK(r.status == 1);
    // All but the last five define their vehicle again further on, and the
    // file is far too large for the game: one line each on the error output.
    // (The values keep to digits 1 to 4: no vehicle needs a section entry.)
    CHECK(std::count(r.err.begin(), r.err.end(), '\n') == vehicles - 5 + 1);
    CHECK(std::count(r.out.begin(), r.out.end(), '\n') == 1 + vehicles + 2);
    CHECK(r.out.find("\n   6000   PEREN ") != std::string::npos);
    CHECK(r.out.ends_with("\nlignes de véhicules : 6000 ; 5996 erreurs (E) ; 0 avertissement "
                          "(A)\n"));

    const fs::path huge = folder.write("huge.cfg", text);
    fs::resize_file(huge, 200 * 1024 * 1024);
    for (const char *command : {"check", "set"}) {
        CAPTURE(command);
        const ProgramRun refused = run({command, huge.string(), "LANDSTAL", "0"});
        CHECK(refused.status == 1);
        CHECK((refused.out + refused.err)
                  .find("fichier de 209715200 octets : bien plus que les 55000 que lit le "
                        "jeu")
              != std::string::npos);
    }
}

TEST_CASE("an output that cannot be written is an error")
{
    const ProgramRun r = runProgram(BITLOOM_FLAGS_PROGRAM, {"decode", "FFFFFFF"}, {}, "/dev/full");
    CHECK(r.err == "bitloom-flags: erreur d'écriture de la sortie\n");
    CHECK(r.status == 1);
}

TEST_CASE("a wrong command line ends with 2 and a hint; help and the version with 0")
{
    const ProgramRun wrong = run({"verify", "1"});
    CHECK(wrong.status == 2);
    CHECK(wrong.out == "");
    CHECK(wrong.err
          == "bitloom-flags: commande inconnue \"verify\" (decode, encode, list, scan, check, "
             "set ou help)\nAide : bitloom-flags --help\n");

    const ProgramRun help = run({"--json", "--help"});
    CHECK(help.status == 0);
    CHECK(help.err == "");
    CHECK(help.out.starts_with("Utilisation : bitloom-flags [OPTIONS] COMMANDE ARGUMENTS...\n"));
    // A usage line, then sections, as help2man reads them; each command and
    // the exit statuses said.
    for (const char *heading :
         {"\nCommandes :\n", "\nOptions :\n", "\nValeurs :\n", "\nFichiers :\n", "\nProblèmes :\n",
          "\nCode de sortie :\n", "\n  decode ", "\n  encode ", "\n  list ", "\n  scan ",
          "\n  check ", "\n  0  aucune erreur"}) {
        CAPTURE(heading);
        CHECK(help.out.find(heading) != std::string::npos);
    }

    // One command's: its usage, its options, its sections.
    for (const std::vector<std::string> &asked :
         {std::vector<std::string>{"help", "set"}, {"set", "--help"}}) {
        const ProgramRun set = run(asked);
        CHECK(set.status == 0);
        CHECK(set.out.starts_with("Utilisation : bitloom-flags [OPTIONS] set FICHIER "));
        CHECK(set.out.find("\n  --dry-run ") != std::string::npos);
        CHECK(set.out.find("\nÉcriture (set) :\n") != std::string::npos);
        CHECK(set.out.find("\nCommandes :\n") == std::string::npos);
    }

    const ProgramRun version = run({"--version"});
    CHECK(version.status == 0);
    CHECK(version.out == "bitloom-flags " BITLOOM_VERSION "\n");
}

TEST_CASE("set changes one field of the example, and a disk that fails it changes nothing")
{
    const TempFolder folder("bitloom-flags-set");
    const std::string example = contentsOf(BITLOOM_EXAMPLE_FILE);
    const fs::path file = folder.write("handling.cfg", example);
    const ProgramRun set = run({"set", file.string(), "LANDSTAL", "+GOOD_IN_SAND", "-IS_VAN"});
    CHECK(set.err == "");
    CHECK(set.status == 0);
    CHECK(set.out
          == file.string()
                 + ":3: LANDSTAL : 220 devient 4000200 : -IS_VAN +GOOD_IN_SAND\n"
                   "1 ligne modifiée ; l'ancien fichier est gardé dans "
                 + file.string() + ".bak\n");
    // Every byte but the field's is where it was, from either end.
    const std::string changed = contentsOf(file);
    const std::size_t field = example.find(" 220 ") + 1;
    CHECK(changed.substr(0, field) == example.substr(0, field));
    CHECK(changed.substr(field, 7) == "4000200");
    CHECK(changed.substr(field + 7) == example.substr(field + 3));
    CHECK(run({"scan", file.string(), "LANDSTAL"}).out.find("4000200  TAILGATE_BOOT GOOD_IN_SAND\n")
          != std::string::npos);

    // A full disk, as a file size limit makes it, and a folder the command
    // may not write in.
    const fs::path again = folder.write("full/handling.cfg", example);
    const std::string program = BITLOOM_FLAGS_PROGRAM;
    const ProgramRun full
        = runProgram("/bin/sh", {"-c", "trap '' XFSZ; ulimit -f 1; exec \"$0\" \"$@\"", program,
                                 "set", again.string(), "IDAHO", "0"});
    CHECK(full.status == 1);
    CHECK(full.err.starts_with(
        again.string() + ": erreur : écriture impossible : fichier trop gros pour le disque\n"));
    const fs::path closed = folder.write("closed/handling.cfg", example);
    fs::permissions(closed.parent_path(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const std::vector<std::string> words{"set", closed.string(), "IDAHO", "0"};
    ProgramRun denied;
    if (geteuid() == 0) {
        // The superuser writes anywhere: the command runs as nobody, whose
        // folder this is.
        REQUIRE(chown(closed.parent_path().c_str(), 65534, 65534) == 0);
        REQUIRE(chown(closed.c_str(), 65534, 65534) == 0);
        std::vector<std::string> asNobody{"--reuid=65534", "--regid=65534", "--clear-groups",
                                          program};
        asNobody.insert(asNobody.end(), words.begin(), words.end());
        denied = runProgram("/usr/bin/setpriv", asNobody);
    } else {
        denied = runProgram(program, words);
    }
    fs::permissions(closed.parent_path(), fs::perms::owner_write, fs::perm_options::add);
    CHECK(denied.status == 1);
    CHECK(denied.err.starts_with(closed.string()
                                 + ": erreur : impossible de créer un fichier dans son dossier : "
                                   "permission refusée\n"));
    for (const fs::path &whole : {again, closed}) {
        CHECK(contentsOf(whole) == example);
        CHECK(std::distance(fs::directory_iterator(whole.parent_path()), fs::directory_iterator())
              == 1);
    }
}

// What a modder keeps beside the file is theirs: two runs keep every earlier
// state, and a file that cannot be replaced leaves the folder as it was.
TEST_CASE("set never loses a backup")
{
    const TempFolder folder("bitloom-flags-backups");
    const std::string example = contentsOf(BITLOOM_EXAMPLE_FILE);
    const fs::path file = folder.write("h.cfg", example);
    folder.write("h.cfg.bak", "MON ORIGINAL\r\n");
    const ProgramRun first = run({"set", file.string(), "LANDSTAL", "+IS_LOW"});
    const std::string once = contentsOf(file);
    const ProgramRun second = run({"set", file.string(), "IDAHO", "0"});
    CHECK(first.out.ends_with("l'ancien fichier est gardé dans " + file.string() + ".2.bak\n"));
    CHECK(second.out.ends_with("l'ancien fichier est gardé dans " + file.string() + ".3.bak\n"));
    CHECK(contentsOf(folder.path() / "h.cfg.bak") == "MON ORIGINAL\r\n");
    CHECK(contentsOf(folder.path() / "h.cfg.2.bak") == example);
    CHECK(contentsOf(folder.path() / "h.cfg.3.bak") == once);
    CHECK(namesIn(folder.path())
          == std::vector<std::string>{"h.cfg", "h.cfg.2.bak", "h.cfg.3.bak", "h.cfg.bak"});

    // An immutable file, where the file system and the user's rights allow
    // making one.
    const TempFolder locked("bitloom-flags-immutable");
    const fs::path immutable = locked.write("h.cfg", example);
    locked.write("h.cfg.bak", "MON ORIGINAL\r\n");
    if (runProgram("/usr/bin/chattr", {"+i", immutable.string()}).status != 0) {
        MESSAGE("no immutable file here: the folder-level test covers a replacement that fails");
        return;
    }
    const ProgramRun refused = run({"set", immutable.string(), "LANDSTAL", "+IS_LOW"});
    runProgram("/usr/bin/chattr", {"-i", immutable.string()});
    CHECK(refused.status == 1);
    CHECK(refused.err.ends_with(immutable.string()
                                + " : rien n'est écrit, le fichier reste tel quel\n"));
    CHECK(contentsOf(immutable) == example);
    CHECK(contentsOf(locked.path() / "h.cfg.bak") == "MON ORIGINAL\r\n");
    CHECK(namesIn(locked.path()) == std::vector<std::string>{"h.cfg", "h.cfg.bak"});
}

// What the game never reads is said, and never written: a vehicle after
// ";the end", an identifier spelt otherwise; a GTA3 file read as Vice-City's
// says which option reads it.
TEST_CASE("the file read as the game reads it, in every command and form")
{
    const TempFolder folder("bitloom-flags-read");
    const std::string appended
        = crlfLines({vehicleLine("LANDSTAL", "0"), vehicleLine("banshee", "0"), ";the end",
                     vehicleLine("CHEETAH", "0")});
    const fs::path file = folder.write("h.cfg", appended);
    const std::string at = file.string() + ":";
    const ProgramRun check = run({"check", file.string()});
    CHECK(check.status == 1);
    CHECK(check.out.find(at
                         + "4: erreur : CHEETAH : ligne de véhicule après \";the end\" (ligne "
                           "3) : le jeu ne la lit pas")
          != std::string::npos);
    const auto checked = documentOf(run({"check", "--json", file.string()}));
    CHECK(checked["files"][0]["problems"][1]
          == nlohmann::json::parse(R"({"line": 4, "level": "error", "rule": "after-end",
              "identifier": "CHEETAH", "message": "ligne de véhicule après \";the end\" (ligne 3) : le jeu ne la lit pas ; placez-la avant la fin des données"})"));
    const auto scanned = documentOf(run({"scan", "--json", file.string(), "CHEETAH"}));
    CHECK(scanned["vehicles"][0]["read"] == false);

    for (const auto &[words, said] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"CHEETAH", "+IS_LOW"}, "4: erreur : CHEETAH : sa ligne 4 est après \";the end\""},
             {{"BANSHEE", "+IS_LOW"}, "2: erreur : BANSHEE : la ligne 2 l'écrit \"banshee\""},
             {{"LANDSTAL", "c0"},
              "1: erreur : LANDSTAL : valeur \"c0\" : une valeur commence par "
              "un chiffre ; écrivez 0c0"}}) {
        std::vector<std::string> arguments{"set", "--json", file.string()};
        arguments.insert(arguments.end(), words.begin(), words.end());
        const ProgramRun refused = run(arguments);
        CAPTURE(refused.err);
        CHECK(refused.status == 1);
        CHECK(refused.err.starts_with(at + said));
        CHECK(documentOf(refused)["outcome"] == "refused");
        CHECK(contentsOf(file) == appended);
        CHECK(namesIn(folder.path()) == std::vector<std::string>{"h.cfg"});
    }

    std::vector<std::string> gta3Lines;
    for (const char *identifier : {"LANDSTAL", "IDAHO", "STINGER"})
        gta3Lines.push_back(gta3VehicleLine(identifier, "0"));
    gta3Lines.push_back(";the end");
    const fs::path gta3 = folder.write("gta3.cfg", lines(gta3Lines));
    // Told from the file; or, when another game is asked for, one message.
    const ProgramRun told = run({"check", gta3.string()});
    CHECK(told.status == 0);
    CHECK(told.out.starts_with(gta3.string() + ": lu comme un fichier de GTA3 (--game gta3)\n"));
    CHECK(run({"check", "--game", "vc", gta3.string()}).out
          == gta3.string()
                 + ": erreur : 3 des 3 lignes standard ont 32 champs, comme celles de GTA3 : c'est "
                   "un fichier de GTA3 ; relancez avec --game gta3, ou sans --game\n"
                   "1 fichier vérifié : 1 erreur, 0 avertissement\n");
}

TEST_CASE("every command writes one document of the documented shape")
{
    const TempFolder folder("bitloom-flags-json");
    const std::string path = folder.write("handling.cfg", sampleFile).string();
    const fs::path readOnly = folder.write("read-only.cfg", sampleFile);
    const fs::path sanAndreasFile
        = folder.write("sa.cfg", lines({sanAndreasVehicleLine("LANDSTAL", "20", "0"),
                                        sanAndreasVehicleLine("BRAVURA", "0", "0"),
                                        sanAndreasVehicleLine("BUFFALO", "0", "0")}));
    fs::permissions(readOnly, fs::perms::owner_read);
    const std::vector<std::vector<std::string>> commands{
        {"decode", "9047000", "12G4", "1FFFFFFF"},
        {"encode", "2180", "+GOOD_IN_SAND"},
        {"encode", "IS_BSU"},
        {"list"},
        {"--game", "gta3", "list"},
        {"scan", path, "LANDSTAL", "BLISTA"},
        {"check", path, folder.path().string()},
        {"set", "--dry-run", path, "IDAHO", "0"},
        {"set", path, "IDAHO", "+IS_VAN"},
        {"set", path, "IDAHO", "+IS_VAN"},
        {"set", path, "BLISTA", "0"},
        {"set", readOnly.string(), "IDAHO", "0"},
        {"--game", "sa", "list"},
        {"--game", "sa", "decode", "model:2808", "handling:90000", "2808"},
        {"--game", "sa", "encode", "IS_BIG", "NOS_INST"},
        {"set", "--dry-run", sanAndreasFile.string(), "LANDSTAL", "+NOS_INST", "-HANGING_BOOT"},
        {"scan", sanAndreasFile.string(), "--has", "HANGING_BOOT"},
        {"check", sanAndreasFile.string(), path},
    };
    for (std::vector<std::string> command : commands) {
        CAPTURE(command.front());
        command.insert(command.begin(), "--json");
        CHECK_FALSE(documentOf(run(command)).is_discarded());
    }
}

// A San Andreas file as a modder keeps it: made-up numbers, the game's
// identifiers, Windows endings, a line spread with tabs.
TEST_CASE("San Andreas: both flag fields read, checked and written, the game told from the file")
{
    std::string tabbed = sanAndreasVehicleLine("BUFFALO", "0", "0");
    std::replace(tabbed.begin(), tabbed.end(), ' ', '\t');
    const std::string sample = crlfLines({
        "; San Andreas handling, made-up numbers",
        sanAndreasVehicleLine("LANDSTAL", "0x00000020", "10000"),
        sanAndreasVehicleLine("BRAVURA", "00002800", "0"),
        tabbed,
        sanAndreasVehicleLine("BIKE", "1000000", "0"),
        bikeEntry("BIKE"),
        ";the end",
    });
    const TempFolder folder("bitloom-flags-sa");
    const fs::path file = folder.write("handling.cfg", sample);
    const std::string at = file.string() + ":";

    const ProgramRun told = run({"scan", file.string()});
    CHECK(told.status == 0);
    CHECK(told.err == at + " lu comme un fichier de GTA: San Andreas (--game sa)\n");
    CHECK(told.out == run({"scan", "--game", "sa", file.string()}).out);
    CHECK(told.out.find("   2      LANDSTAL     0x00000020  20       10000  10000  HANGING_BOOT ; "
                        "HYDRAULIC_GEOM\n")
          != std::string::npos);
    const auto scanned = documentOf(run({"scan", "--json", file.string(), "BRAVURA"}));
    CHECK(scanned["vehicles"][0]["fields"]["model"]["flags"]
          == nlohmann::json::parse(R"(["CONVERTIBLE", "DOUBLE_EXHAUST"])"));
    CHECK(scanned["vehicles"][0]["fields"]["handling"]["flags"] == nlohmann::json::array());

    const ProgramRun list = run({"list", "--game", "sa"});
    CHECK(list.out.starts_with("Colonne \"af\" (model) :\nbit  chiffre  masque"));
    CHECK(list.out.find("\nColonne \"ag\" (handling) :\n") != std::string::npos);
    CHECK(list.out.find("  NOS_INST  ") != std::string::npos);

    // Two fields of one line in one write, each in its own style; a value
    // field's width kept.
    const ProgramRun both = run(
        {"set", file.string(), "LANDSTAL", "+NOS_INST", "-HANGING_BOOT", "BRAVURA", "+IS_BIG"});
    CHECK(both.status == 0);
    CHECK(contentsOf(file)
          == crlfLines({
              "; San Andreas handling, made-up numbers",
              sanAndreasVehicleLine("LANDSTAL", "0x00000000", "90000"),
              sanAndreasVehicleLine("BRAVURA", "00002808", "0"),
              tabbed,
              sanAndreasVehicleLine("BIKE", "1000000", "0"),
              bikeEntry("BIKE"),
              ";the end",
          }));
    const ProgramRun bare = run({"set", file.string(), "BRAVURA", "0"});
    CHECK(bare.status == 1);
    CHECK(bare.err.find("BRAVURA : valeur \"0\" : GTA: San Andreas a 2 champs de flags ; écrivez "
                        "model:0 (colonne \"af\") ou handling:0 (colonne \"ag\")")
          != std::string::npos);

    // A line one field short is reported; sound lines are not.
    std::string oneShort = sanAndreasVehicleLine("BANSHEE", "0", "0");
    oneShort.erase(oneShort.find(' '), 7);
    const fs::path mistake
        = folder.write("mistake.cfg", lines({
                                          sanAndreasVehicleLine("LANDSTAL", "0", "0"),
                                          sanAndreasVehicleLine("BRAVURA", "0", "0"),
                                          sanAndreasVehicleLine("BUFFALO", "0", "0"),
                                          oneShort,
                                      }));
    const ProgramRun checked = run({"check", "--game", "sa", mistake.string()});
    CHECK(
        checked.out.starts_with(mistake.string()
                                + ":4: erreur : BANSHEE : 35 champs, il en faut 36 pour une ligne "
                                  "standard de GTA: San Andreas"));
    CHECK(checked.out.ends_with("\n1 fichier vérifié : 1 erreur, 0 avertissement\n"));
    // A Vice-City file stays Vice-City's.
    CHECK(run({"check", BITLOOM_EXAMPLE_FILE}).out
          == "1 fichier vérifié : 0 erreur, 0 avertissement\n");

    // Vehicles by flag, in either game.
    const auto identifiers = [](const ProgramRun &r) {
        std::vector<std::string> found;
        const nlohmann::json document = documentOf(r);
        for (const auto &vehicle : document["vehicles"])
            found.push_back(vehicle["identifier"]);
        return found;
    };
    CHECK(identifiers(run({"scan", "--json", file.string(), "--has", "IS_BIKE"}))
          == std::vector<std::string>{"BIKE"});
    CHECK(identifiers(run({"scan", "--json", BITLOOM_EXAMPLE_FILE, "--has", "is_bike"}))
          == std::vector<std::string>{"BIKE"});
}
