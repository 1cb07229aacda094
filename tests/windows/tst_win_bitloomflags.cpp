// bitloom-flags.exe run as a Windows user or script runs it: paths written
// the Windows ways, CRLF files, UTF-8 text with Windows line ends, exit codes.
#include "support/CapturedRun.h"
#include "support/ChildProcess.h"
#include "support/TempFolder.h"
#include "win32/runtime/Text.h"

#include <doctest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

using namespace bitloom::wintest;
namespace fs = std::filesystem;

namespace {

CapturedRun run(const std::vector<std::wstring> &arguments)
{
    return runCaptured(programBeside(L"bitloom-flags.exe"), arguments);
}

// Standard output and error are text streams: each line ends in CRLF.
std::string crlf(std::string_view text)
{
    std::string result;
    for (char c : text) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

std::string crlfLines(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (std::string_view line : lines)
        (text += line) += "\r\n";
    return text;
}

// A standard vehicle line of Vice-City: 33 fields, the flags in the 31st.
std::string vehicle(std::string_view identifier, std::string_view flags)
{
    return std::string(identifier)
           + " 1700.0 5.0 4.0 2.2 0.0 0.0 -0.2 85 0.8 0.75 0.5 5 160.0 25.0 4 D 6.2 0.60 0 35.0 "
             "1.4 0.15 0.0 0.25 -0.20 0.5 0.5 25000 20 "
           + std::string(flags) + " 0 1";
}

// A file with no mistake: LANDSTAL's IS_PLANE has its flying entry.
const std::string sampleFile = crlfLines({
    "; Vehicle handling, as a modder keeps it",
    vehicle("LANDSTAL", "9047000"),
    "$ LANDSTAL 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1.0 1.1 1.2 1.3 1.4 1.5 1.6 1.7 1.8",
    vehicle("IDAHO", "0x50"),
    ";the end",
});

const std::string sampleTable
    = crlf("   ligne  identifiant  ae       lu       flags\n"
           "   2      LANDSTAL     9047000  9047000  NEUTRAL_HANDLING HAS_NO_ROOF IS_BIG IS_PLANE "
           "FAT_REAR SPECIAL_FLIGHT\n"
           "   3      LANDSTAL                       entrée vol ($)\n"
           "   4      IDAHO        0x50     50       NO_DOORS IS_BUS\n"
           "\n"
           "lignes de véhicules : 3 (2 standard, 1 vol) ; 0 erreur (E) ; 0 avertissement (A)\n");

// Outside Windows-1252, the ANSI code page here: only a program that takes
// its arguments in UTF-16 sees these names.
const fs::path unusualFolder = L"Données Ω";

std::wstring withSlashes(std::wstring path)
{
    for (wchar_t &c : path) {
        if (c == L'\\')
            c = L'/';
    }
    return path;
}

} // namespace

TEST_CASE("decode and encode write UTF-8 text with Windows line ends")
{
    const CapturedRun decoded = run({L"decode", L"0x09047000", L"0"});
    CHECK(decoded.err == "");
    CHECK(decoded.status == 0);
    CHECK(decoded.out
          == crlf("0x09047000\n"
                  "  4e Chiffre  1000     NEUTRAL_HANDLING  Modifie les performances de la "
                  "voiture quand celle-ci est sous le contrôle de l'IA pour diminuer les chances "
                  "de dérapage.\n"
                  "  4e Chiffre  2000     HAS_NO_ROOF       A plusieurs effets détaillés, y "
                  "compris la capacité de tuer les occupants plus facilement.\n"
                  "  4e Chiffre  4000     IS_BIG            Active un son qui intervient quand "
                  "la voiture se renversse.\n"
                  "  5e Chiffre  40000    IS_PLANE          Indique que ce véhicule a aussi une "
                  "entrée de traitement spéciale dans la section \"avion\".\n"
                  "  7e Chiffre  1000000  FAT_REAR          Grossi les roues arrière et les "
                  "pneus.\n"
                  "  7e Chiffre  8000000  SPECIAL_FLIGHT    Utilisé par des véhicules volants "
                  "mais leur but exact n'est pas certain.\n"
                  "  valeur : 9047000\n"
                  "\n"
                  "0\n"
                  "  aucun flag\n"
                  "  valeur : 0\n"));

    const CapturedRun encoded = run({L"encode", L"IS_BUS", L"no_doors"});
    CHECK(encoded.err == "");
    CHECK(encoded.status == 0);
    CHECK(encoded.out == "50\r\n");
}

TEST_CASE("scan reads a CRLF handling file however its path is written")
{
    const TempFolder folder(L"bitloom-flags-scan");
    const fs::path plain = folder.write(L"handling.cfg", sampleFile);
    const fs::path unusual = folder.write(unusualFolder / L"handling.cfg", sampleFile);

    // C:\Users\...\handling.cfg, C:/Users/.../handling.cfg, and so on.
    for (const std::wstring &path :
         {plain.native(), withSlashes(plain.native()), unusual.native()}) {
        CAPTURE(bitloom::win32::toUtf8(path));
        REQUIRE(path.substr(1, 1) == L":"); // a drive letter, as Windows users write paths
        const CapturedRun scanned = run({L"scan", path});
        CHECK(scanned.err == "");
        CHECK(scanned.status == 0);
        CHECK(scanned.out == sampleTable);
    }

    // Notepad's UTF-8 mark, which the game reads as text of the first line.
    const fs::path withBom = folder.write(L"bom.cfg", "\xEF\xBB\xBF" + sampleFile);
    const CapturedRun scanned = run({L"scan", withBom.native()});
    CHECK(scanned.status == 1);
    CHECK(scanned.err.find(":1: erreur : marque d'ordre des octets (BOM) UTF-8")
          != std::string::npos);
}

// The C runtime's text mode would stop at this byte, the old end-of-file mark.
TEST_CASE("a Ctrl+Z byte does not end the file")
{
    const TempFolder folder(L"bitloom-flags-ctrlz");
    const fs::path file = folder.write(
        L"handling.cfg",
        crlfLines({"; saved by an old editor \x1A", vehicle("IDAHO", "0x50"), ";the end"}));
    const CapturedRun scanned = run({L"scan", file.native()});
    CHECK(scanned.err == "");
    CHECK(scanned.status == 0);
    CHECK(scanned.out
          == crlf("   ligne  identifiant  ae    lu  flags\n"
                  "   2      IDAHO        0x50  50  NO_DOORS IS_BUS\n"
                  "\n"
                  "lignes de véhicules : 1 ; 0 erreur (E) ; 0 avertissement (A)\n"));
}

TEST_CASE("errors name the file or the text as given, in UTF-8, and end with 1")
{
    const TempFolder folder(L"bitloom-flags-errors");
    const fs::path badLine = folder.write(
        unusualFolder / L"bad.cfg", crlfLines({"; x", vehicle("IDAHO", "1000xyz"), ";the end"}));
    const std::wstring missing = (folder.path() / unusualFolder / L"absent.cfg").native();
    // A trailing backslash inside quotes is where command lines go wrong.
    const std::wstring directory = (folder.path() / unusualFolder).native() + L"\\";

    struct Case {
        std::vector<std::wstring> arguments;
        std::string err;
    };
    const Case cases[] = {
        {{L"scan", missing},
         bitloom::win32::toUtf8(missing) + ": erreur : fichier introuvable\r\n"},
        {{L"scan", directory},
         bitloom::win32::toUtf8(directory) + ": erreur : c'est un dossier, pas un fichier\r\n"},
        {{L"scan", badLine.native()},
         bitloom::win32::toUtf8(badLine.native())
             + crlf(":2: erreur : IDAHO : valeur \"1000xyz\" : caractère non hexadécimal 'x' en "
                    "position 5 ; le jeu lirait 1000\n")},
        {{L"encode", L"NÉANT_Ω"}, crlf("bitloom-flags: erreur : flag inconnu \"NÉANT_Ω\"\n")},
    };
    for (const Case &c : cases) {
        CAPTURE(c.err);
        const CapturedRun result = run(c.arguments);
        CHECK(result.err == c.err);
        CHECK(result.status == 1);
    }
}

TEST_CASE("usage errors end with 2")
{
    const std::pair<std::vector<std::wstring>, std::string> cases[] = {
        {{}, "commande manquante (decode, encode, list, scan ou check)"},
        {{L"frob", L"1"}, "commande inconnue \"frob\" (decode, encode, list, scan ou check)"},
        {{L"scan"}, "scan attend un fichier"},
        {{L"--game", L"gta4", L"decode", L"1"}, "jeu inconnu \"gta4\" : --game attend vc ou gta3"},
    };
    for (const auto &[arguments, message] : cases) {
        CAPTURE(message);
        const CapturedRun result = run(arguments);
        CHECK(result.status == 2);
        CHECK(result.out == "");
        CHECK(result.err == crlf("bitloom-flags: " + message + "\nAide : bitloom-flags --help\n"));
    }
}
