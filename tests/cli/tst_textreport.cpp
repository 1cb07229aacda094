#include "cli/TextReport.h"

#include "support/Doctest.h"
#include <sstream>
#include <string>

using namespace bitloom::cli;
using namespace bitloom::handling;

namespace {

template <typename Write>
std::string written(Write &&write)
{
    std::ostringstream out;
    TextReport report(out);
    write(report);
    return out.str();
}

} // namespace

TEST_CASE("decode: each value's flags in a table, the value, the bits beyond the flags")
{
    const ValueReport report{
        .values
        = {{.input = "0x40000090", .value = 0x90, .extraBits = 0x40000000}, {.input = "0"}}};
    CHECK(written([&](Report &r) { r.decoded(report); })
          == "0x40000090\n"
             "  2e Chiffre  10  NO_DOORS  Enlève l'animation qui la porte de la voiture. Le "
             "joueur glissera directement à l'intérieur.\n"
             "  2e Chiffre  80  IS_LOW    Permet au joueur de s'assoir de façon à être plus bas "
             "dans la voiture.\n"
             "  valeur : 90\n"
             "  bits hors flags : 40000000\n"
             "\n"
             "0\n"
             "  aucun flag\n"
             "  valeur : 0\n");
}

TEST_CASE("encode: the value alone, nothing after a wrong name")
{
    CHECK(written([](Report &r) { r.encoded({.values = {{.value = 0x4002100}}}); }) == "4002100\n");
    // As decode and set take them back, in a game of two fields.
    CHECK(written([](Report &r) {
              r.encoded(
                  {.game = &sanAndreas, .values = {{.value = 8}, {.field = 1, .value = 0x80000}}});
          })
          == "model:8\nhandling:80000\n");
    CHECK(written([](Report &r) { r.encoded({}); }) == "");
}

TEST_CASE("list: the game's flags, with the spellings of the game's own file")
{
    const std::string list = written([](Report &r) { r.listed(gta3); });
    CHECK(list.starts_with("bit  chiffre  masque  nom                   aussi écrit\n"
                           "0    1        1       1G_BOOST\n"));
    CHECK(list.find("\n12   4        1000    NEUTRAL_HANDLING      NEUTRALHANDLING\n")
          != std::string::npos);
    CHECK(list.ends_with("\n15   4        8000    HALOGEN_LIGHTS\n"));
}

TEST_CASE("scan: each vehicle line marked by its worst problem, then the counts")
{
    ScanReport report{
        .vehicles
        = {{.line = 2,
            .kind = LineKind::Standard,
            .identifier = "ÉTÉ",
            .fields = {{.text = "c0000040",
                        .gameValue = 0xC0000040,
                        .flags = 0x40,
                        .extraBits = 0xC0000000}},
            .level = Level::Warning},
           {.line = 3,
            .kind = LineKind::Standard,
            .identifier = "IDAHO",
            .fields = {{.text = "zz"}},
            .level = Level::Error},
           {.line = 4, .kind = LineKind::Standard, .identifier = "STINGER", .fields = {{}}},
           {.line = 5, .kind = LineKind::Bike, .identifier = "BIKE"},
           {.line = 7,
            .kind = LineKind::Standard,
            .identifier = "CHEETAH",
            .fields = {{.text = "0", .gameValue = 0}},
            .read = false,
            .level = Level::Error}},
        .linesPerKind = {4, 0, 1, 0},
        .errors = 2,
        .warnings = 2};
    CHECK(
        written([&](Report &r) { r.scanned(report); })
        == "   ligne  identifiant  ae        lu        flags\n"
           "A  2      ÉTÉ          c0000040  C0000040  IS_BUS (+ bits hors flags : C0000000)\n"
           "E  3      IDAHO        zz        ?         ?\n"
           "   4      STINGER                ?         ?\n"
           "   5      BIKE                             entrée moto (!)\n"
           "E  7      CHEETAH      0                   non lu : après \";the end\"\n"
           "\n"
           "lignes de véhicules : 5 (4 standard, 1 moto) ; 2 erreurs (E) ; 2 avertissements (A)\n");

    // Standard lines only: no detail; GTA3's column. A file not read: nothing.
    const ScanReport plain{.game = &gta3,
                           .vehicles = {{.line = 1,
                                         .kind = LineKind::Standard,
                                         .identifier = "IDAHO",
                                         .fields = {{.text = "0", .gameValue = 0}}}},
                           .linesPerKind = {1, 0, 0, 0}};
    CHECK(written([&](Report &r) { r.scanned(plain); })
          == "   ligne  identifiant  ad  lu  flags\n"
             "   1      IDAHO        0   0   -\n"
             "\n"
             "lignes de véhicules : 1 ; 0 erreur (E) ; 0 avertissement (A)\n");
    CHECK(written([&](Report &r) { r.scanned(unreadFile("f", "introuvable", viceCity)); }) == "");
}

TEST_CASE("check: one line per problem, where and how bad, then the totals")
{
    const CheckReport report{.files
                             = {{.file = "a.cfg",
                                 .problems = {{.message = "m", .line = 3, .identifier = "ID\x01"},
                                              {.level = Level::Warning, .message = "w"}}},
                                {.file = "b.cfg"},
                                {.file = "sa.cfg", .game = &sanAndreas, .gameTold = true}},
                             .errors = 1,
                             .warnings = 1};
    CHECK(written([&](Report &r) { r.checked(report); })
          == "a.cfg:3: erreur : ID\\x01 : m\n"
             "a.cfg: avertissement : w\n"
             "sa.cfg: lu comme un fichier de GTA: San Andreas (--game sa)\n"
             "3 fichiers vérifiés : 1 erreur, 1 avertissement\n");
    CHECK(written([](Report &r) { r.checked({.files = {{.file = "a.cfg"}}, .warnings = 2}); })
          == "1 fichier vérifié : 0 erreur, 2 avertissements\n");
}

TEST_CASE("set: a line for each change, both lines on a dry run, then what was done")
{
    const std::vector<FlagsChange> changes{
        {3,
         "LANDSTAL",
         {{0, "220", "4000200", 0x220, 0x4000200}},
         "LANDSTAL 1 220",
         "LANDSTAL 1 4000200"},
        {5, "IDAHO", {{0, "0x50", "0x50", 0x50, 0x50}}, "IDAHO 0x50", "IDAHO 0x50"}};
    CHECK(written([&](Report &r) {
              r.set({.file = "h.cfg", .outcome = SetOutcome::DryRun, .changes = changes});
          })
          == "h.cfg:3: LANDSTAL : 220 deviendrait 4000200 : -IS_VAN +GOOD_IN_SAND\n"
             "  avant : LANDSTAL 1 220\n"
             "  après : LANDSTAL 1 4000200\n"
             "h.cfg:5: IDAHO : 0x50 deviendrait 0x50\n"
             "  avant : IDAHO 0x50\n"
             "  après : IDAHO 0x50\n"
             "2 lignes à modifier ; rien n'est écrit (--dry-run)\n");
    CHECK(written([&](Report &r) {
              r.set({.file = "h.cfg",
                     .outcome = SetOutcome::Written,
                     .changes = {changes[0]},
                     .backup = "h.cfg.2.bak"});
          })
          == "h.cfg:3: LANDSTAL : 220 devient 4000200 : -IS_VAN +GOOD_IN_SAND\n"
             "1 ligne modifiée ; l'ancien fichier est gardé dans h.cfg.2.bak\n");
    CHECK(written([&](Report &r) { r.set({.file = "h.cfg"}); }) == "");

    // In a game of two fields, each field changed says its column.
    CHECK(written([&](Report &r) {
              r.set({.file = "sa.cfg",
                     .game = &sanAndreas,
                     .outcome = SetOutcome::Written,
                     .changes = {{2,
                                  "LANDSTAL",
                                  {{0, "00002800", "00002808", 0x2800, 0x2808},
                                   {1, "0", "80000", 0, 0x80000}},
                                  "",
                                  ""}}});
          })
          == "sa.cfg:2: LANDSTAL : af 00002800 devient 00002808 : +IS_BIG\n"
             "sa.cfg:2: LANDSTAL : ag 0 devient 80000 : +NOS_INST\n"
             "1 ligne modifiée\n");
}
