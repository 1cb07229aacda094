// set on real files in a folder of their own: what it writes, and that
// whatever it refuses or fails to do leaves the file as it was.
#include "files/FileReplacement.h"
#include "support/CommandRun.h"
#include "support/HandlingText.h"
#include "support/TempFolder.h"

#include "support/Doctest.h"
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using namespace bitloom;
using namespace bitloom::tests;
namespace fs = std::filesystem;

namespace {

// A handling file in a folder of its own.
struct HandlingFolder {
    TempFolder folder{"bitloom-set"};
    fs::path file;
    std::string path; // as given to set

    explicit HandlingFolder(std::string_view contents)
        : file(folder.write("handling.cfg", contents))
        , path(file.string())
    {
    }

    CommandRun set(std::vector<std::string_view> words) const
    {
        words.insert(words.begin(), {"set", path});
        return runCommand(words);
    }
};

const std::string sample = crlfLines({
    "; Vehicle handling, as a modder keeps it",
    vehicleLine("LANDSTAL", "220"),
    vehicleLine("IDAHO", "0x50"),
    vehicleLine("BIKE", "10000"),
    bikeEntry("BIKE"),
    ";the end",
});

} // namespace

TEST_CASE("set writes the new values, keeps the old file, and check finds nothing new")
{
    const HandlingFolder handling(sample);
    const CommandRun run
        = handling.set({"LANDSTAL", "+GOOD_IN_SAND", "-IS_VAN", "IDAHO", "0x4", "BIKE", "IS_LOW"});
    CHECK(run.err == "");
    CHECK(run.status == 0);
    CHECK(run.report.setReport->outcome == handling::SetOutcome::Written);
    CHECK(contentsOf(handling.file)
          == crlfLines({
              "; Vehicle handling, as a modder keeps it",
              vehicleLine("LANDSTAL", "4000200"),
              vehicleLine("IDAHO", "0x4"),
              vehicleLine("BIKE", "10080"),
              bikeEntry("BIKE"),
              ";the end",
          }));
    CHECK(contentsOf(handling.path + ".bak") == sample);
    CHECK(namesIn(handling.folder.path())
          == std::vector<std::string>{"handling.cfg", "handling.cfg.bak"});

    const CommandRun check = runCommand({"check", handling.path});
    CHECK(check.status == 0);
    CHECK(check.report.check->warnings == 0);

    // What the change would add to check's findings is said, not refused.
    const CommandRun bike = handling.set({"IDAHO", "+IS_BIKE"});
    CHECK(bike.status == 0);
    CHECK(bike.err.ends_with(": avertissement : IDAHO : après ce changement, check signalera : "
                             "erreur : IS_BIKE sans entrée moto (!) pour ce véhicule : le jeu "
                             "prend pour lui des données vides\n"));
}

TEST_CASE("--dry-run shows, --no-backup keeps no copy, and flags already so write nothing")
{
    const HandlingFolder handling(sample);
    const CommandRun dry = runCommand({"set", "--dry-run", handling.path, "LANDSTAL", "0"});
    CHECK(dry.status == 0);
    CHECK(dry.report.setReport->outcome == handling::SetOutcome::DryRun);
    REQUIRE(dry.report.setReport->changes.size() == 1);
    CHECK(dry.report.setReport->changes[0].newLine == vehicleLine("LANDSTAL", "0"));

    const CommandRun same = handling.set({"LANDSTAL", "+IS_VAN", "IDAHO", "50"});
    CHECK(same.status == 0);
    CHECK(same.report.setReport->outcome == handling::SetOutcome::Unchanged);
    CHECK(namesIn(handling.folder.path()) == std::vector<std::string>{"handling.cfg"});
    CHECK(contentsOf(handling.file) == sample);

    const CommandRun bare = runCommand({"set", handling.path, "--no-backup", "LANDSTAL", "0"});
    CHECK(bare.status == 0);
    CHECK(namesIn(handling.folder.path()) == std::vector<std::string>{"handling.cfg"});
    CHECK(contentsOf(handling.file).find(vehicleLine("LANDSTAL", "0")) != std::string::npos);
}

TEST_CASE("a field the game reads as the value asked is still mended; a file past a limit is said")
{
    // "0x" is read as 0, but is no value.
    const HandlingFolder broken(lines({vehicleLine("IDAHO", "0x"), ";the end"}));
    const CommandRun mended = broken.set({"IDAHO", "0"});
    CHECK(mended.status == 0);
    CHECK(contentsOf(broken.file) == lines({vehicleLine("IDAHO", "0"), ";the end"}));

    std::string past = lines({vehicleLine("LANDSTAL", "0")});
    past += "; " + std::string(55001 - past.size() - 3, '.') + '\n';
    const HandlingFolder large(past);
    const CommandRun warned = large.set({"LANDSTAL", "1"});
    CHECK(warned.status == 0);
    CHECK(warned.err
          == large.path
                 + ": avertissement : le fichier a déjà 55001 octets, plus que les 55000 que lit "
                   "le jeu, qui peut mal le lire ; ce changement ne l'allonge pas\n");
}

TEST_CASE("whatever set refuses, the file stays byte for byte, with nothing beside it")
{
    std::string shifted = vehicleLine("IDAHO", "0");
    shifted.erase(shifted.find(' '), 7);
    // 199 characters with its value: seven digits take it beyond 200.
    std::string longLine = vehicleLine("LANDSTAL", "0");
    longLine.insert(longLine.find(' '), 199 - longLine.size(), ' ');
    std::string full = lines({vehicleLine("LANDSTAL", "0")});
    full += "; " + std::string(55000 - full.size() - 3, '.') + '\n';

    struct Case {
        std::string_view name;
        std::string file;
        std::vector<std::string_view> words;
        int status;
        std::string message; // in the first line of the errors
    };
    const std::vector<Case> cases{
        {"missing",
         sample,
         {"BANSHEE", "+IS_LOW"},
         1,
         "BANSHEE : aucune ligne standard de ce véhicule dans le fichier"},
        {"twice",
         lines({vehicleLine("BUS", "0"), vehicleLine("IDAHO", "0"), vehicleLine("IDAHO", "1")}),
         {"IDAHO", "0"},
         1,
         "IDAHO : défini deux fois, lignes 2 et 3 : le jeu ne garde que la dernière ; gardez-en "
         "une seule avant de changer ses flags"},
        {"shifted", lines({shifted}), {"IDAHO", "0"}, 1, "IDAHO : 32 champs, il en faut 33"},
        // One vehicle refused, none written.
        {"name",
         sample,
         {"LANDSTAL", "0", "IDAHO", "+IS_VNA"},
         1,
         "IDAHO : flag inconnu \"IS_VNA\" ; vouliez-vous dire IS_VAN ?"},
        {"one vehicle twice",
         sample,
         {"IDAHO", "0", "idaho", "1"},
         1,
         ":3: erreur : IDAHO : nommé deux fois, sous deux casses"},
        {"bare name", sample, {"LANDSTAL", "IS_VNA"}, 1, "LANDSTAL : flag inconnu \"IS_VNA\""},
        {"value",
         sample,
         {"LANDSTAL", "12G4"},
         1,
         "LANDSTAL : valeur \"12G4\" : caractère non hexadécimal 'G' en position 3 ; le jeu "
         "lirait 12"},
        {"unreadable",
         lines({vehicleLine("IDAHO", "20xyz")}),
         {"IDAHO", "+IS_VAN"},
         1,
         "donnez la valeur entière plutôt que des flags à ajouter ou enlever"},
        {"line",
         lines({longLine}),
         {"LANDSTAL", "4000200"},
         1,
         "LANDSTAL : la ligne aurait 205 caractères : le jeu n'en lit que 200"},
        {"file", full, {"LANDSTAL", "1"}, 0, ""}, // as long as before: allowed
        {"file",
         full,
         {"LANDSTAL", "11"},
         1,
         "le fichier aurait 55001 octets : le jeu n'en lit que 55000"},
        {"binary",
         std::string("\x01\0", 2) + sample,
         {"LANDSTAL", "0"},
         1,
         "octet nul ligne 1 : fichier binaire, pas un fichier de handling"},
        {"text",
         "Chère Maman,\nJe t'écris de Vice City.\n",
         {"Je", "0"},
         1,
         "aucun véhicule de GTA: Vice-City : ce n'est pas un fichier de handling"},
        {"UTF-32",
         std::string("\xFF\xFE\0\0", 4),
         {"LANDSTAL", "0"},
         1,
         "fichier en UTF-32 LE (d'après sa marque d'ordre des octets) : encodage non lu ; "
         "enregistrez-le en ANSI"},
        {"after the end",
         lines({vehicleLine("LANDSTAL", "0"), ";the end", vehicleLine("CHEETAH", "0")}),
         {"CHEETAH", "+IS_LOW"},
         1,
         "CHEETAH : sa ligne 3 est après \";the end\" (ligne 2) : le jeu ne la lit pas"},
        {"spelt otherwise",
         lines({vehicleLine("LANDSTAL", "0"), vehicleLine("banshee", "0")}),
         {"BANSHEE", "+IS_LOW"},
         1,
         ":2: erreur : BANSHEE : la ligne 2 l'écrit \"banshee\" : le jeu ne connaît que BANSHEE"},
        {"a model's name",
         sample,
         {"PCJ600", "0"},
         1,
         "PCJ600 : identifiant inconnu de GTA: Vice-City ; PCJ600 est un nom de modèle, son "
         "identifiant de handling est BIKE"},
        {"a value without its digit",
         sample,
         {"IDAHO", "c0"},
         1,
         "IDAHO : valeur \"c0\" : une valeur commence par un chiffre ; écrivez 0c0"},
        {"no changes", sample, {"LANDSTAL", "IDAHO", "0"}, 2, "doivent suivre l'identifiant"},
        {"named twice", sample, {"IDAHO", "0", "IDAHO", "1"}, 2, "IDAHO : nommé deux fois"},
    };
    for (const Case &c : cases) {
        CAPTURE(c.name);
        const HandlingFolder handling(c.file);
        const CommandRun run = handling.set(c.words);
        CHECK(run.status == c.status);
        CHECK(run.err.substr(0, run.err.find('\n')).find(c.message) != std::string::npos);
        if (c.status != 0) {
            CHECK(contentsOf(handling.file) == c.file);
            CHECK(namesIn(handling.folder.path()) == std::vector<std::string>{"handling.cfg"});
        }
    }

    const HandlingFolder readOnly(sample);
    fs::permissions(readOnly.file,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const CommandRun refused = readOnly.set({"LANDSTAL", "0"});
    CHECK(refused.status == 1);
    CHECK(refused.err.starts_with(readOnly.path + ": erreur : fichier en lecture seule\n"));
    CHECK(contentsOf(readOnly.file) == sample);
    fs::permissions(readOnly.file, fs::perms::owner_write, fs::perm_options::add);
}
