#include "cli/JsonReport.h"
#include "support/JsonDocuments.h"
#include "text/Utf16.h"

#include "support/Doctest.h"
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>

using namespace bitloom::cli;
using namespace bitloom::handling;
using Json = nlohmann::ordered_json;

namespace {

// The document written, read back; keys compare in their order.
template <typename Write>
Json written(Write &&write)
{
    std::ostringstream out;
    JsonReport report(out);
    write(report);
    bitloom::tests::keepJsonDocument(out.str());
    return Json::parse(out.str());
}

// The scan report of one good vehicle and one bad line, both with this
// identifier; null when the report is not valid JSON.
Json scanReport(const std::string &identifier, const std::string &file = "handling.cfg")
{
    const ScanReport report{
        .file = file,
        .vehicles = {{.line = 1,
                      .kind = LineKind::Standard,
                      .identifier = identifier,
                      .fields = {{.text = "1", .gameValue = 1, .flags = 1}}}},
        .problems = {{.rule = "vehicle", .message = "m", .line = 2, .identifier = identifier}},
        .linesPerKind = {1, 0, 0, 0},
        .errors = 1};
    std::ostringstream out;
    JsonReport(out).scanned(report);
    bitloom::tests::keepJsonDocument(out.str());
    return Json::parse(out.str(), nullptr, false);
}

} // namespace

TEST_CASE("decode: each value with its flags, and each problem with what the game reads")
{
    const ValueReport report{
        .values
        = {{.input = "0x40002004", .value = 0x2004, .extraBits = 0x40000000}, {.input = "0"}},
        .problems = {{.level = Level::Warning,
                      .rule = "request",
                      .message = "w",
                      .input = "0x40002004",
                      .gameValue = 0x40002004},
                     {.rule = "request", .message = "e", .input = "zz"}}};
    CHECK(written([&](Report &r) { r.decoded(report); }) == Json::parse(R"({
        "version": 1, "command": "decode", "game": "vc",
        "values": [
            {"input": "0x40002004", "value": "2004", "flags": [
                {"bit": 2, "digit": 1, "mask": "4", "name": "REV_BONNET",
                 "description": "Inverser le capot de la voiture dans le sens opposée."},
                {"bit": 13, "digit": 4, "mask": "2000", "name": "HAS_NO_ROOF",
                 "description": "A plusieurs effets détaillés, y compris la capacité de tuer les occupants plus facilement."}
             ], "extraBits": "40000000"},
            {"input": "0", "value": "0", "flags": []}
        ],
        "problems": [
            {"input": "0x40002004", "level": "warning", "rule": "request", "message": "w",
             "gameReads": "40002004"},
            {"input": "zz", "level": "error", "rule": "request", "message": "e"}
        ]
    })"));
}

TEST_CASE("encode: the value and its flags, or none after a wrong name")
{
    CHECK(written([](Report &r) { r.encoded({.game = &gta3, .values = {{.value = 0x8000}}}); })
          == Json::parse(R"({
        "version": 1, "command": "encode", "game": "gta3", "value": "8000", "flags": [
            {"bit": 15, "digit": 4, "mask": "8000", "name": "HALOGEN_LIGHTS",
             "description": "Fait les feux plus brillants et leur donne une légère teinture."}
        ], "problems": []
})"));
    const ValueReport wrong{.problems = {{.rule = "request", .message = "m", .input = "IS_TRAIN"}}};
    CHECK(written([&](Report &r) { r.encoded(wrong); })
          == Json::parse(R"({"version": 1, "command": "encode", "game": "vc", "problems": [
              {"input": "IS_TRAIN", "level": "error", "rule": "request", "message": "m"}]})"));
}

TEST_CASE("list: every flag of the game, with the spellings of the game's own file")
{
    const Json list = written([](Report &r) { r.listed(gta3); });
    CHECK(list["game"] == "gta3");
    REQUIRE(list["flags"].size() == 16);
    CHECK(list["flags"][12] == Json::parse(R"(
        {"bit": 12, "digit": 4, "mask": "1000", "name": "NEUTRAL_HANDLING",
         "aliases": ["NEUTRALHANDLING"],
         "description": "Modifie les performances de la voiture quand celle-ci est sous le contrôle de l'IA pour diminuer les chances de dérapage."}
    )"));
    CHECK(list["flags"][0]["aliases"] == Json::array());
    CHECK(written([](Report &r) { r.listed(viceCity); })["flags"].size() == 28);
}

TEST_CASE("scan: the vehicles, the counts of each kind of line, the problems")
{
    const ScanReport report{
        .file = "f.cfg",
        .only = {"landstal"},
        .vehicles = {{.line = 3,
                      .kind = LineKind::Standard,
                      .identifier = "LANDSTAL",
                      .fields = {{.text = "c0000040",
                                  .gameValue = 0xC0000040,
                                  .flags = 0x40,
                                  .extraBits = 0xC0000000}},
                      .level = Level::Warning},
                     {.line = 4,
                      .kind = LineKind::Standard,
                      .identifier = "IDAHO",
                      .fields = {{.text = "zz"}}},
                     {.line = 5, .kind = LineKind::Boat, .identifier = "PREDATOR"},
                     {.line = 8,
                      .kind = LineKind::Standard,
                      .identifier = "CHEETAH",
                      .fields = {{.text = "0", .gameValue = 0}},
                      .read = false,
                      .level = Level::Error}},
        .problems = {{.level = Level::Warning,
                      .rule = "flags",
                      .message = "w",
                      .line = 3,
                      .identifier = "LANDSTAL",
                      .input = "c0000040",
                      .gameValue = 0xC0000040},
                     {.rule = "end", .message = "e", .line = 6},
                     {.rule = "after-end", .message = "a", .line = 8, .identifier = "CHEETAH"}},
        .linesPerKind = {3, 1, 0, 0},
        .errors = 2,
        .warnings = 1};
    CHECK(written([&](Report &r) { r.scanned(report); }) == Json::parse(R"({
        "version": 1, "command": "scan", "game": "vc",
        "file": "f.cfg", "column": "ae", "only": ["landstal"],
        "vehicles": [
            {"line": 3, "kind": "standard", "identifier": "LANDSTAL", "read": true,
             "raw": "c0000040", "gameReads": "C0000040", "value": "40", "extraBits": "C0000000",
             "flags": ["IS_BUS"], "level": "warning"},
            {"line": 4, "kind": "standard", "identifier": "IDAHO", "read": true, "raw": "zz",
             "flags": []},
            {"line": 5, "kind": "boat", "identifier": "PREDATOR", "read": true},
            {"line": 8, "kind": "standard", "identifier": "CHEETAH", "read": false, "raw": "0",
             "gameReads": "0", "value": "0", "flags": [], "level": "error"}
        ],
        "counts": {"lines": {"standard": 3, "boat": 1, "bike": 0, "flying": 0},
                   "errors": 2, "warnings": 1},
        "problems": [
            {"line": 3, "level": "warning", "rule": "flags", "identifier": "LANDSTAL",
             "raw": "c0000040", "message": "w", "gameReads": "C0000040"},
            {"line": 6, "level": "error", "rule": "end", "message": "e"},
            {"line": 8, "level": "error", "rule": "after-end", "identifier": "CHEETAH",
             "message": "a"}
        ]
    })"));

    // A file not read at all gives the same document, so that scripts read them alike.
    CHECK(written([](Report &r) {
              r.scanned(unreadFile("absent.cfg", "fichier introuvable", viceCity));
          })
          == Json::parse(R"({
        "version": 1, "command": "scan", "game": "vc",
        "file": "absent.cfg", "column": "ae", "vehicles": [],
        "counts": {"lines": {"standard": 0, "boat": 0, "bike": 0, "flying": 0},
                   "errors": 1, "warnings": 0},
        "problems": [{"level": "error", "rule": "file", "message": "fichier introuvable"}]
    })"));
}

TEST_CASE("check: one document for all the files, with their counts and the totals")
{
    const CheckReport report{
        .files = {{.file = "good.cfg"},
                  {.file = "bad.cfg",
                   .game = &gta3,
                   .problems = {{.rule = "vehicle", .message = "m", .line = 1, .identifier = "X"}},
                   .errors = 1}},
        .errors = 1};
    CHECK(written([&](Report &r) { r.checked(report); }) == Json::parse(R"({
        "version": 1, "command": "check", "game": "vc",
        "files": [
            {"file": "good.cfg", "game": "vc", "errors": 0, "warnings": 0, "problems": []},
            {"file": "bad.cfg", "game": "gta3", "errors": 1, "warnings": 0, "problems": [
                {"line": 1, "level": "error", "rule": "vehicle", "identifier": "X", "message": "m"}
            ]}
        ],
        "errors": 1, "warnings": 0
    })"));
}

// Identifiers and file names come as bytes: escaped where JSON wants it, and
// what is not UTF-8 replaced by U+FFFD, byte by byte.
TEST_CASE("texts from a file stay valid JSON, whatever their bytes")
{
    const std::pair<std::string, std::string> texts[] = {
        {"LANDSTAL", "LANDSTAL"},
        {R"(\data\"x")", R"(\data\"x")"},
        {"a\r\n\t\x01\x1F\x7F", "a\r\n\t\x01\x1F\x7F"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
        {"élevé", "élevé"},
        {"\xF0\x9F\x9A\x97", "\xF0\x9F\x9A\x97"},
        {"caf\xE9", "caf\xEF\xBF\xBD"},
        {"\xC3", "\xEF\xBF\xBD"},
        {"\x80", "\xEF\xBF\xBD"},
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xE9t\xC3\xA9", "\xEF\xBF\xBDt\xC3\xA9"},
    };
    for (const auto &[bytes, read] : texts) {
        CAPTURE(bytes);
        const Json report = scanReport(bytes, bytes);
        REQUIRE_FALSE(report.is_discarded());
        CHECK(report["vehicles"][0]["identifier"] == read);
        CHECK(report["problems"][0]["identifier"] == read);
        CHECK(report["file"] == read);
    }

    std::mt19937 random(11);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(random() % 24, '\0');
        for (char &c : bytes)
            c = static_cast<char>(random() % 256);
        CAPTURE(bytes);
        CHECK_FALSE(scanReport(bytes, bytes).is_discarded());
    }
}

TEST_CASE("valid UTF-8 is kept as it is")
{
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        // Characters of the BMP and, through surrogate pairs, beyond it.
        std::u16string units;
        for (int i = static_cast<int>(random() % 20); i > 0; --i) {
            if (random() % 4 == 0) {
                units += static_cast<char16_t>(0xD800 + random() % 0x400);
                units += static_cast<char16_t>(0xDC00 + random() % 0x400);
            } else {
                const auto unit = static_cast<char16_t>(random() % 0xF800);
                units += unit >= 0xD800 ? static_cast<char16_t>(unit + 0x800) : unit;
            }
        }
        const std::string text = bitloom::text::utf8FromUtf16(units);
        CAPTURE(text);
        CHECK(scanReport(text)["vehicles"][0]["identifier"] == text);
    }
}

TEST_CASE("set: each line changed, before and after, and where the old file is kept")
{
    const SetReport written{
        .file = "h.cfg",
        .outcome = SetOutcome::Written,
        .changes
        = {{.line = 3,
            .identifier = "LANDSTAL",
            .fields
            = {{.oldText = "220", .newText = "4000200", .oldFlags = 0x220, .newFlags = 0x4000200}},
            .oldLine = "LANDSTAL 1 220 1",
            .newLine = "LANDSTAL 1 4000200 1"}},
        .backup = "h.cfg.bak"};
    CHECK(::written([&](Report &r) { r.set(written); }) == Json::parse(R"({
        "version": 1, "command": "set", "game": "vc",
        "file": "h.cfg", "column": "ae", "outcome": "written",
        "changes": [{"line": 3, "identifier": "LANDSTAL", "old": "220", "new": "4000200",
                     "added": ["GOOD_IN_SAND"], "removed": ["IS_VAN"],
                     "oldLine": "LANDSTAL 1 220 1", "newLine": "LANDSTAL 1 4000200 1"}],
        "backup": "h.cfg.bak",
        "problems": []
    })"));
    const Json refused = ::written([&](Report &r) {
        r.set({.file = "h.cfg",
               .problems = {{.rule = "missing", .message = "m", .line = 4, .identifier = "BUS"}}});
    });
    CHECK(refused["outcome"] == "refused");
    CHECK(!refused.contains("backup"));
    CHECK(refused["problems"][0]
          == Json::parse(R"({"line": 4, "level": "error", "rule": "missing", "identifier": "BUS",
                             "message": "m"})"));
}
