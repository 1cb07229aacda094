#include "support/CommandRun.h"
#include "support/HandlingText.h"
#include "support/TempFolder.h"

#include "support/Doctest.h"
#include <string>
#include <vector>

using namespace bitloom;
using namespace bitloom::tests;

namespace {

const std::string sample = crlfLines({
    "; Vehicle handling, as a modder keeps it",
    vehicleLine("LANDSTAL", "9047000"),
    flyingEntry("LANDSTAL"),
    vehicleLine("IDAHO", "0x50"),
    ";the end",
});

// One warning (bits beyond the flags) and no error.
const std::string warned = lines({vehicleLine("STINGER", "c0002180"), ";the end"});

std::vector<std::string> messages(const std::vector<handling::Problem> &problems)
{
    std::vector<std::string> texts;
    for (const handling::Problem &p : problems)
        texts.push_back(std::to_string(p.line) + ' ' + p.identifier + ' ' + std::string(p.rule));
    return texts;
}

// "line identifier", one per vehicle line scanned.
std::vector<std::string> vehicles(const CommandRun &run)
{
    std::vector<std::string> rows;
    for (const handling::ScannedVehicle &v : run.report.scan->vehicles)
        rows.push_back(std::to_string(v.line) + ' ' + v.identifier);
    return rows;
}

} // namespace

TEST_CASE("scan: every vehicle line; its problems on the error output; warnings do not fail")
{
    const CommandRun good = runCommand({"scan", "-"}, sample);
    CHECK(good.status == 0);
    CHECK(good.err == "");
    CHECK(vehicles(good) == std::vector<std::string>{"2 LANDSTAL", "3 LANDSTAL", "4 IDAHO"});

    const CommandRun warning = runCommand({"scan", "-"}, warned);
    CHECK(warning.status == 0);
    CHECK(warning.err.starts_with("-:1: avertissement : STINGER : valeur \"c0002180\""));

    const CommandRun error = runCommand({"scan", "-"}, lines({vehicleLine("IDAHO", "0xZZ")}));
    CHECK(error.status == 1);
    CHECK(messages(error.report.scan->problems)
          == std::vector<std::string>{"1 IDAHO flags", "1  end"});
    CHECK(error.err
          == "-:1: erreur : IDAHO : valeur \"0xZZ\" : caractère non hexadécimal 'Z' en position "
             "3 ; le jeu lirait 0\n"
             "-:1: erreur : pas de ligne \";the end\" : le jeu ne saurait pas où s'arrêtent les "
             "données\n");
}

TEST_CASE("scan of a file that cannot be read")
{
    const TempFolder folder("bitloom-scan");
    const std::string absent = (folder.path() / "absent.cfg").string();
    const CommandRun run = runCommand({"scan", absent});
    CHECK(run.status == 1);
    CHECK(run.err == absent + ": erreur : fichier introuvable\n");
    CHECK(run.report.scan->vehicles.empty());
    REQUIRE(run.report.scan->problems.size() == 1);
    CHECK(run.report.scan->problems[0].message == "fichier introuvable");

    const CommandRun utf32 = runCommand({"scan", "-"}, std::string("\xFF\xFE\0\0;\0\0\0", 8));
    CHECK(utf32.status == 1);
    CHECK(utf32.err
          == "-: erreur : fichier en UTF-32 LE (d'après sa marque d'ordre des octets) : "
             "encodage non lu ; enregistrez-le en ANSI\n");
}

TEST_CASE("scan reads a UTF-16 file, and reports it")
{
    std::string utf16 = "\xFF\xFE";
    for (char c : sample)
        utf16 += std::string{c, '\0'};
    const CommandRun run = runCommand({"scan", "-"}, utf16);
    CHECK(run.status == 1);
    CHECK(vehicles(run) == std::vector<std::string>{"2 LANDSTAL", "3 LANDSTAL", "4 IDAHO"});
    CHECK(messages(run.report.scan->problems) == std::vector<std::string>{"1  encoding"});
}

TEST_CASE("check: every file's problems in the report, the totals, and only errors fail")
{
    const TempFolder folder("bitloom-check");
    const std::string good = folder.write("good.cfg", sample).string();
    const std::string bad
        = folder.write("bad.cfg", lines({vehicleLine("MANANNA", "0"), ";the end"})).string();
    const std::string absent = (folder.path() / "absent.cfg").string();

    const CommandRun warnings = runCommand({"check", good, "-"}, warned);
    CHECK(warnings.status == 0);
    CHECK(warnings.err == "");
    CHECK(warnings.report.check->errors == 0);
    CHECK(warnings.report.check->warnings == 1);

    const CommandRun errors = runCommand({"check", good, bad, absent, "-"}, warned);
    CHECK(errors.status == 1);
    CHECK(errors.err == "");
    const auto &files = errors.report.check->files;
    REQUIRE(files.size() == 4);
    CHECK(files[0].problems.empty());
    CHECK(messages(files[1].problems) == std::vector<std::string>{"1 MANANNA vehicle"});
    CHECK(files[2].file == absent);
    CHECK(files[2].problems.at(0).message == "fichier introuvable");
    CHECK(files[3].file == "-");
    CHECK(errors.report.check->errors == 2);
    CHECK(errors.report.check->warnings == 1);
}
