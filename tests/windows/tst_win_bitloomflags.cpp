// bitloom-flags.exe run as a Windows user or script runs it: paths written
// the Windows ways, CRLF files, UTF-8 text with Windows line ends, exit codes.
#include "support/CapturedRun.h"
#include "support/ChildProcess.h"
#include "support/HandlingText.h"
#include "support/TempFolder.h"
#include "text/Utf16.h"

#include "support/Doctest.h"
#include <string>
#include <string_view>
#include <vector>

using namespace bitloom::wintest;
using bitloom::tests::contentsOf;
using bitloom::tests::crlfLines;
using bitloom::tests::flyingEntry;
using bitloom::tests::TempFolder;
using bitloom::tests::vehicleLine;
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

std::string utf8(std::wstring_view text)
{
    return bitloom::text::utf8FromUtf16(std::u16string(text.begin(), text.end()));
}

// A file with no mistake: LANDSTAL's IS_PLANE has its flying entry.
const std::string sampleFile = crlfLines({
    "; Vehicle handling, as a modder keeps it",
    vehicleLine("LANDSTAL", "9047000"),
    flyingEntry("LANDSTAL"),
    vehicleLine("IDAHO", "0x50"),
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
        CAPTURE(utf8(path));
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
        crlfLines({"; saved by an old editor \x1A", vehicleLine("IDAHO", "0x50"), ";the end"}));
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
    const fs::path badLine
        = folder.write(unusualFolder / L"bad.cfg",
                       crlfLines({"; x", vehicleLine("IDAHO", "1000xyz"), ";the end"}));
    const std::wstring missing = (folder.path() / unusualFolder / L"absent.cfg").native();
    // A trailing backslash inside quotes is where command lines go wrong.
    const std::wstring directory = (folder.path() / unusualFolder).native() + L"\\";

    struct Case {
        std::vector<std::wstring> arguments;
        std::string err;
    };
    const Case cases[] = {
        {{L"scan", missing}, utf8(missing) + ": erreur : fichier introuvable\r\n"},
        {{L"scan", directory}, utf8(directory) + ": erreur : c'est un dossier, pas un fichier\r\n"},
        {{L"scan", badLine.native()},
         utf8(badLine.native())
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
        {{}, "commande manquante (decode, encode, list, scan, check, set ou help)"},
        {{L"frob", L"1"},
         "commande inconnue \"frob\" (decode, encode, list, scan, check, set ou help)"},
        {{L"scan"}, "scan attend un fichier"},
        {{L"--game", L"gta4", L"decode", L"1"}, "jeu inconnu \"gta4\" : --game attend vc, gta3 ou sa"},
    };
    for (const auto &[arguments, message] : cases) {
        CAPTURE(message);
        const CapturedRun result = run(arguments);
        CHECK(result.status == 2);
        CHECK(result.out == "");
        CHECK(result.err == crlf("bitloom-flags: " + message + "\nAide : bitloom-flags --help\n"));
    }
}

TEST_CASE("set changes a file under a path with spaces and accents, in CRLF or UTF-16")
{
    const TempFolder folder(L"bitloom-flags-set");
    const std::string utf16 = [] {
        std::string bytes = "\xFF\xFE";
        for (char16_t unit : bitloom::text::utf16FromUtf8(sampleFile))
            bytes.append({static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)});
        return bytes;
    }();
    for (const std::string &contents : {sampleFile, utf16}) {
        const fs::path file = folder.write(unusualFolder / L"hand ling.cfg", contents);
        const CapturedRun set = run({L"set", file.native(), L"IDAHO", L"+IS_LOW"});
        CHECK(set.err == "");
        CHECK(set.status == 0);
        CHECK(set.out.starts_with(utf8(file.native())
                                  + ":4: IDAHO : 0x50 devient 0xD0 : +IS_LOW\r\n"));
        std::string expected = contents;
        const std::size_t field = contents.size() == sampleFile.size()
                                      ? expected.find("0x50")
                                      : expected.find(std::string("0\0x\0\x35\0\x30\0", 8));
        REQUIRE(field != std::string::npos);
        expected[field + (contents.size() == sampleFile.size() ? 2 : 4)] = 'D';
        CHECK(contentsOf(file) == expected);
        CHECK(contentsOf(fs::path(file.native() + L".bak")) == contents);
        CHECK(run({L"scan", file.native(), L"IDAHO"}).out.find("0xD0  D0  NO_DOORS IS_BUS IS_LOW")
              != std::string::npos);
        fs::remove(fs::path(file.native() + L".bak"));
    }

    // A read-only file stays as it is.
    const fs::path locked = folder.write(L"locked.cfg", sampleFile);
    REQUIRE(SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    const CapturedRun refused = run({L"set", locked.native(), L"IDAHO", L"0"});
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    CHECK(refused.status == 1);
    CHECK(
        refused.err.starts_with(utf8(locked.native()) + ": erreur : fichier en lecture seule\r\n"));
    CHECK(contentsOf(locked) == sampleFile);
}

namespace {

// The text of a console's screen, row after row.
std::wstring screenOf(HANDLE console)
{
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(console, &info))
        return {};
    std::wstring text(static_cast<std::size_t>(info.dwSize.X) * info.dwSize.Y, L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(console, text.data(), static_cast<DWORD>(text.size()), {0, 0},
                                &read);
    text.resize(read);
    return text;
}

void pressKey(HANDLE console, wchar_t key)
{
    INPUT_RECORD records[2]{};
    for (int i = 0; i < 2; ++i) {
        records[i].EventType = KEY_EVENT;
        records[i].Event.KeyEvent.bKeyDown = i == 0;
        records[i].Event.KeyEvent.wRepeatCount = 1;
        records[i].Event.KeyEvent.uChar.UnicodeChar = key;
    }
    DWORD written = 0;
    WriteConsoleInputW(console, records, 2, &written);
}

} // namespace

TEST_CASE("opened from Explorer, in a console of its own, it shows its help until a key")
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::wstring line = commandLine(programBeside(L"bitloom-flags.exe"), {});
    REQUIRE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE,
                           nullptr, nullptr, &startup, &started));
    const UniqueHandle process(started.hProcess);
    CloseHandle(started.hThread);

    // It waits, rather than ending with its help unread. (Under Wine a
    // process that leaves the console ends the wait, so the test joins the
    // console once, when the help is long written, and stays until the end.)
    CHECK(WaitForSingleObject(process.get(), 2000) == WAIT_TIMEOUT);
    FreeConsole();
    REQUIRE(AttachConsole(started.dwProcessId));
    const UniqueHandle output(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
    const UniqueHandle input(CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                         0, nullptr));
    // Accents too, whatever the console's code page.
    const std::wstring screen = screenOf(output.get());
    CHECK(screen.find(L"Utilisation : bitloom-flags [OPTIONS] COMMANDE") != std::wstring::npos);
    CHECK(screen.find(L"Lit et écrit la valeur des flags spéciaux") != std::wstring::npos);
    CHECK(screen.find(L"Appuyez sur une touche pour fermer cette fenêtre.") != std::wstring::npos);
    CHECK(WaitForSingleObject(process.get(), 300) == WAIT_TIMEOUT);
    pressKey(input.get(), L'a');
    const DWORD ended = WaitForSingleObject(process.get(), 10000);
    FreeConsole();
    REQUIRE(ended == WAIT_OBJECT_0);
    DWORD status = 1;
    GetExitCodeProcess(process.get(), &status);
    CHECK(status == 0);
}
