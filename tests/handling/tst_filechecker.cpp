// Each check of a handling file on small made-up files: every row gives the
// whole list of problems, so that a check that speaks out of turn fails too.
#include "handling/FileChecker.h"
#include "support/HandlingText.h"

#include "support/Doctest.h"
#include <set>
#include <string>
#include <vector>

using namespace bitloom::handling;
using namespace bitloom::tests;

namespace {

using Problems = std::vector<std::string>;

struct Row {
    const char *name;
    std::string text;
    Problems expected;
    const GameProfile *game = &viceCity;
    TextEncoding encoding = TextEncoding::Plain;
};

// "line E|A rule | identifier : message", one string per problem.
Problems problems(const Row &row)
{
    const HandlingFile file = readHandlingFile(row.text, row.encoding, *row.game);
    Problems rows;
    for (const Problem &p : checkHandlingFile(file, *row.game)) {
        std::string text = std::to_string(p.line) + (p.level == Level::Error ? " E " : " A ")
                           + std::string(p.rule) + " | ";
        if (!p.identifier.empty())
            text += std::string(p.identifier) + " : ";
        rows.push_back(text + p.message);
    }
    return rows;
}

void check(const std::vector<Row> &rows)
{
    for (const Row &row : rows) {
        CAPTURE(row.name);
        CHECK(problems(row) == row.expected);
    }
}

// A file the game reads without a fault, around the lines given.
std::string file(std::vector<std::string> body)
{
    body.insert(body.begin(), "; made up");
    body.emplace_back(";the end");
    return lines(body);
}

std::string withoutLastField(const std::string &line)
{
    return line.substr(0, line.rfind(' '));
}

// A standard line without its second field, the mass: the fields after it
// move one column to the left.
std::string withoutMass(const std::string &line)
{
    const std::size_t mass = line.find(' ');
    return line.substr(0, mass) + line.substr(line.find(' ', mass + 1));
}

const std::string shifted = " : les colonnes qui suivent le manque sont décalées";
const std::string crash = " : le jeu écrit hors de sa table et peut planter";
const std::string ignoredBits = " ; le jeu les ignore et lit les flags ";
const std::string ignoredLast
    = " : le jeu ignore les derniers ; si un champ a été ajouté plus tôt, "
      "les colonnes sont décalées";
const std::string readsNothing = " ; le jeu ne lit rien dans la colonne \"ae\"";

} // namespace

TEST_CASE("field counts, for each kind of line and each game")
{
    check({
        {"every kind, right",
         file({vehicleLine("LANDSTAL", "0"), vehicleLine("PREDATOR", "80000"),
               vehicleLine("BIKE", "10000"), vehicleLine("MAVERICK", "20000"),
               boatEntry("PREDATOR"), bikeEntry("BIKE"), flyingEntry("MAVERICK")}),
         {}},
        {"gta3, right", file({gta3VehicleLine("LANDSTAL", "0")}), {}, &gta3},
        // The lights' "1" comes into the flags column.
        {"one field short",
         file({withoutMass(vehicleLine("IDAHO", "9047000"))}),
         {"2 E fields | IDAHO : 32 champs, il en faut 33 pour une ligne standard de GTA: Vice-City"
          + shifted + " ; le jeu lit \"1\" dans la colonne \"ae\""}},
        {"no flags field",
         file({"IDAHO 1700.0"}),
         {"2 E fields | IDAHO : 2 champs, il en faut 33 pour une ligne standard de GTA: Vice-City"
          + shifted + readsNothing}},
        {"one field more",
         file({vehicleLine("IDAHO", "0") + " 0"}),
         {"2 A fields | IDAHO : 34 champs, une ligne standard de GTA: Vice-City en a 33"
          + ignoredLast}},
        {"gta3, Vice-City's line",
         file({vehicleLine("IDAHO", "0")}),
         {"2 A fields | IDAHO : 33 champs, une ligne standard de GTA3 en a 32" + ignoredLast},
         &gta3},
        {"boat entry short",
         file({vehicleLine("PREDATOR", "80000"), withoutLastField(boatEntry("PREDATOR"))}),
         {"3 E fields | PREDATOR : 15 champs, il en faut 16 pour une entrée bateau (%) de GTA: "
          "Vice-City"
          + shifted}},
        {"bike entry long",
         file({vehicleLine("BIKE", "10000"), bikeEntry("BIKE") + "\t1"}),
         {"3 A fields | BIKE : 18 champs, une entrée moto (!) de GTA: Vice-City en a 17"
          + ignoredLast}},
        {"flying entry short",
         file({vehicleLine("SPARROW", "20000"), withoutLastField(flyingEntry("SPARROW"))}),
         {"3 E fields | SPARROW : 19 champs, il en faut 20 pour une entrée vol ($) de GTA: "
          "Vice-City"
          + shifted}},
    });
}

TEST_CASE("vehicle identifiers the game does not know, and why")
{
    std::string glued = flyingEntry("SPARROW");
    glued.erase(1, 1);
    check({
        {"every Vice-City vehicle",
         file({vehicleLine("RCCOPTER", "0"), vehicleLine("SABRE1", "0")}),
         {}},
        {"every GTA3 vehicle", file({gta3VehicleLine("BORGNINE", "0")}), {}, &gta3},
        {"misspelt",
         file({vehicleLine("MANANNA", "0")}),
         {"2 E vehicle | MANANNA : identifiant \"MANANNA\" inconnu de GTA: Vice-City" + crash
          + " ; vouliez-vous dire MANANA ?"}},
        // The game compares case too.
        {"lower case",
         file({vehicleLine("landstal", "0")}),
         {"2 E vehicle | landstal : identifiant \"landstal\" inconnu de GTA: Vice-City" + crash
          + " ; vouliez-vous dire LANDSTAL ?"}},
        {"nothing near",
         file({vehicleLine("ZEPPELIN", "0")}),
         {"2 E vehicle | ZEPPELIN : identifiant \"ZEPPELIN\" inconnu de GTA: Vice-City" + crash}},
        {"other game's vehicle",
         file({gta3VehicleLine("FREEWAY", "0")}),
         {"2 E vehicle | FREEWAY : identifiant \"FREEWAY\" inconnu de GTA3" + crash},
         &gta3},
        {"GTA3 vehicle in Vice-City",
         file({vehicleLine("BLISTA", "0")}),
         {"2 E vehicle | BLISTA : identifiant \"BLISTA\" inconnu de GTA: Vice-City" + crash
          + " ; vouliez-vous dire BLISTAC ?"}},
        {"unknown in an entry",
         file({vehicleLine("PREDATOR", "80000"), boatEntry("PREDATR")}),
         {"2 E section | PREDATOR : IS_BOAT sans entrée bateau (%) pour ce véhicule : le jeu "
          "prend pour lui des données vides",
          "3 E vehicle | PREDATR : identifiant \"PREDATR\" inconnu de GTA: Vice-City" + crash
              + " ; vouliez-vous dire PREDATOR ?",
          "3 A section | PREDATR : entrée bateau (%) sans ligne standard pour ce véhicule"}},
        // Markers count in the first column only, and for the game that has the section.
        {"indented comment",
         file({"  ; note"}),
         {"2 E vehicle | ; : identifiant \";\" inconnu de GTA: Vice-City" + crash
              + " ; \";\" n'ouvre un commentaire qu'en première colonne",
          "2 E fields | ; : 2 champs, il en faut 33 pour une ligne standard de GTA: Vice-City"
              + shifted + readsNothing}},
        {"indented entry",
         file({vehicleLine("BIKE", "10000"), " " + bikeEntry("BIKE")}),
         {"2 E section | BIKE : IS_BIKE sans entrée moto (!) pour ce véhicule : le jeu prend "
          "pour lui des données vides",
          "3 E vehicle | ! : identifiant \"!\" inconnu de GTA: Vice-City" + crash
              + " ; \"!\" n'ouvre une entrée moto (!) qu'en première colonne",
          "3 E fields | ! : 17 champs, il en faut 33 pour une ligne standard de GTA: Vice-City"
              + shifted + readsNothing}},
        {"entry in GTA3",
         file({"% PREDATOR 1"}),
         {"2 E vehicle | % : identifiant \"%\" inconnu de GTA3" + crash
              + " ; GTA3 n'a pas d'entrées bateau (%)",
          "2 E fields | % : 3 champs, il en faut 32 pour une ligne standard de GTA3" + shifted
              + " ; le jeu ne lit rien dans la colonne \"ad\""},
         &gta3},
        {"marker against the identifier",
         file({vehicleLine("SPARROW", "20000"), glued}),
         {"2 E section | SPARROW : IS_HELI sans entrée vol ($) pour ce véhicule : le jeu prend "
          "pour lui des données vides",
          "3 E vehicle | 0.6 : identifiant \"0.6\" inconnu de GTA: Vice-City" + crash
              + " ; \"$\" doit être suivi d'un espace",
          "3 E fields | 0.6 : 19 champs, il en faut 20 pour une entrée vol ($) de GTA: Vice-City"
              + shifted,
          "3 A section | 0.6 : entrée vol ($) sans ligne standard pour ce véhicule"}},
        {"marker alone",
         file({"%"}),
         {"2 E vehicle | entrée bateau (%) sans identifiant" + crash,
          "2 E fields | 1 champ, il en faut 16 pour une entrée bateau (%) de GTA: Vice-City"
              + shifted,
          "2 A section | entrée bateau (%) sans ligne standard pour ce véhicule"}},
    });
}

TEST_CASE("the flags column as the game reads it")
{
    check({
        {"every form the game reads alike",
         file({vehicleLine("LANDSTAL", "0x50"), vehicleLine("IDAHO", "0X0050"),
               vehicleLine("STINGER", "abcd")}),
         {}},
        {"not hex",
         file({vehicleLine("IDAHO", "2180xyz")}),
         {"2 E flags | IDAHO : valeur \"2180xyz\" : caractère non hexadécimal 'x' en position 5 ; "
          "le jeu lirait 2180"}},
        {"prefix, then not hex",
         file({vehicleLine("IDAHO", "0xZZ")}),
         {"2 E flags | IDAHO : valeur \"0xZZ\" : caractère non hexadécimal 'Z' en position 3 ; le "
          "jeu lirait 0"}},
        {"a control character",
         file({vehicleLine("IDAHO", "4\x01")}),
         {"2 E flags | IDAHO : valeur \"4\\x01\" : octet non hexadécimal 0x01 en position 2 ; le "
          "jeu lirait 4"}},
        {"prefix alone",
         file({vehicleLine("IDAHO", "0x")}),
         {"2 E flags | IDAHO : valeur \"0x\" : aucun chiffre après 0x ; le jeu lirait 0"}},
        {"above 32 bits",
         file({vehicleLine("IDAHO", "100000000")}),
         {"2 E flags | IDAHO : valeur \"100000000\" : plus de 32 bits ; le jeu ne lirait aucune "
          "valeur sûre"}},
        // The game reads the flags it knows and ignores the rest.
        {"bits beyond the flags",
         file({vehicleLine("IDAHO", "c0002180")}),
         {"2 A flags | IDAHO : valeur \"c0002180\" : bits C0000000 au-delà des 28 flags de GTA: "
          "Vice-City"
          + ignoredBits + "2180"}},
        {"bits beyond GTA3's flags",
         file({gta3VehicleLine("IDAHO", "10040")}),
         {"2 A flags | IDAHO : valeur \"10040\" : bits 10000 au-delà des 16 flags de GTA3"
          + ignoredBits + "40"},
         &gta3},
    });
}

TEST_CASE("a vehicle defined twice: the game keeps the last definition")
{
    const std::string ignored = " : le jeu garde la dernière définition et ignore celle-ci";
    check({
        {"twice",
         file({vehicleLine("IDAHO", "0"), vehicleLine("STINGER", "0"), vehicleLine("IDAHO", "1")}),
         {"2 E duplicate | IDAHO : défini à nouveau ligne 4 (ligne standard)" + ignored}},
        {"three times",
         file({vehicleLine("IDAHO", "0"), vehicleLine("IDAHO", "1"), vehicleLine("IDAHO", "2")}),
         {"2 E duplicate | IDAHO : défini à nouveau ligne 4 (ligne standard)" + ignored,
          "3 E duplicate | IDAHO : défini à nouveau ligne 4 (ligne standard)" + ignored}},
        {"entries twice",
         file({vehicleLine("PREDATOR", "80000"), boatEntry("PREDATOR"), boatEntry("PREDATOR")}),
         {"3 E duplicate | PREDATOR : défini à nouveau ligne 4 (entrée bateau (%))" + ignored}},
        {"a line and its entry",
         file({vehicleLine("PREDATOR", "80000"), boatEntry("PREDATOR")}),
         {}},
        // Entries that name no vehicle redefine none.
        {"entries without identifier",
         file({"!", "!"}),
         {"2 E vehicle | entrée moto (!) sans identifiant" + crash,
          "2 E fields | 1 champ, il en faut 17 pour une entrée moto (!) de GTA: Vice-City"
              + shifted,
          "2 A section | entrée moto (!) sans ligne standard pour ce véhicule",
          "3 E vehicle | entrée moto (!) sans identifiant" + crash,
          "3 E fields | 1 champ, il en faut 17 pour une entrée moto (!) de GTA: Vice-City"
              + shifted,
          "3 A section | entrée moto (!) sans ligne standard pour ce véhicule"}},
        // The game compares case: these are two vehicles to it, one unknown.
        {"another case",
         file({vehicleLine("IDAHO", "0"), vehicleLine("Idaho", "0")}),
         {"3 E vehicle | Idaho : identifiant \"Idaho\" inconnu de GTA: Vice-City" + crash
          + " ; vouliez-vous dire IDAHO ?"}},
    });
}

TEST_CASE("IS_BIKE, IS_BOAT, IS_HELI and IS_PLANE against the sections' entries")
{
    const std::string empty = " pour ce véhicule : le jeu prend pour lui des données vides";
    const std::string unused = " : le jeu ne s'en sert sans doute pas";
    check({
        {"each flag with its entry",
         file({vehicleLine("PREDATOR", "80000"), vehicleLine("BIKE", "10000"),
               vehicleLine("HUNTER", "20000"), vehicleLine("DODO", "40000"), boatEntry("PREDATOR"),
               bikeEntry("BIKE"), flyingEntry("HUNTER"), flyingEntry("DODO")}),
         {}},
        // A plane that lands on water has a boat entry too.
        {"seaplane",
         file({vehicleLine("SEAPLANE", "40000"), boatEntry("SEAPLANE"), flyingEntry("SEAPLANE")}),
         {}},
        {"bike without entry",
         file({vehicleLine("BIKE", "10000")}),
         {"2 E section | BIKE : IS_BIKE sans entrée moto (!)" + empty}},
        {"boat without entry",
         file({vehicleLine("PREDATOR", "80000")}),
         {"2 E section | PREDATOR : IS_BOAT sans entrée bateau (%)" + empty}},
        {"heli and plane without entry",
         file({vehicleLine("HUNTER", "60000")}),
         {"2 E section | HUNTER : IS_HELI et IS_PLANE sans entrée vol ($)" + empty}},
        {"entry without flag",
         file({vehicleLine("FREEWAY", "0"), bikeEntry("FREEWAY")}),
         {"3 A section | FREEWAY : entrée moto (!) alors que la ligne standard (ligne 2) n'a pas "
          "IS_BIKE"
          + unused}},
        {"boat entry without flag",
         file({vehicleLine("RIO", "1"), boatEntry("RIO")}),
         {"3 A section | RIO : entrée bateau (%) alors que la ligne standard (ligne 2) n'a pas "
          "IS_HELI, IS_PLANE ou IS_BOAT"
          + unused}},
        {"entry without line",
         file({bikeEntry("ANGEL")}),
         {"2 A section | ANGEL : entrée moto (!) sans ligne standard pour ce véhicule"}},
        {"entry before its line", file({bikeEntry("ANGEL"), vehicleLine("ANGEL", "10000")}), {}},
        // The game keeps the last definition: its flags are those that count.
        {"flag on the ignored definition",
         file({vehicleLine("ANGEL", "10000"), vehicleLine("ANGEL", "0"), bikeEntry("ANGEL")}),
         {"2 E duplicate | ANGEL : défini à nouveau ligne 3 (ligne standard) : le jeu garde la "
          "dernière définition et ignore celle-ci",
          "4 A section | ANGEL : entrée moto (!) alors que la ligne standard (ligne 3) n'a pas "
          "IS_BIKE"
              + unused}},
        // What the game reads counts, bits beyond the flags or not.
        {"flag in a value with extra bits",
         file({vehicleLine("BIKE", "80010000")}),
         {"2 A flags | BIKE : valeur \"80010000\" : bits 80000000 au-delà des 28 flags de GTA: "
          "Vice-City"
              + ignoredBits + "10000",
          "2 E section | BIKE : IS_BIKE sans entrée moto (!)" + empty}},
        {"flags unread",
         file({vehicleLine("BIKE", "zz"), bikeEntry("BIKE")}),
         {"2 E flags | BIKE : valeur \"zz\" : caractère non hexadécimal 'z' en position 1 ; le jeu "
          "ne lirait aucune valeur sûre"}},
    });
}

TEST_CASE("lines longer than the game's buffer of 200 characters")
{
    const std::string longest = "; " + std::string(198, 'x');
    const std::string idaho = vehicleLine("IDAHO", "0") + std::string(200, ' ');
    check({
        {"200 characters", file({longest}), {}},
        {"200 characters and a Windows ending", crlfLines({longest, ";the end"}), {}},
        {"201 characters",
         file({longest + "x"}),
         {"2 E line-length | ligne de 201 caractères : le jeu n'en prévoit que 200 et peut "
          "planter"}},
        {"a vehicle line",
         file({idaho}),
         {"2 E line-length | IDAHO : ligne de " + std::to_string(idaho.size())
          + " caractères : le jeu n'en prévoit que 200 et peut planter"}},
        {"after the end", file({}) + longest + "x\n", {}},
    });
}

TEST_CASE("files larger than the game's buffer of 55,000 bytes")
{
    // Comment lines of 100 bytes, the line break counted.
    const auto sized = [](std::size_t bytes) {
        std::string text;
        while (text.size() + 100 <= bytes - 9)
            text += "; " + std::string(97, 'x') + '\n';
        text += std::string(bytes - 9 - text.size() - 1, ';') + '\n';
        return text + ";the end\n";
    };
    REQUIRE(sized(55000).size() == 55000);
    const std::string beyond = " octets : le jeu n'en prévoit que 55000, et cette ligne les "
                               "dépasse ; il peut planter ou lire de travers";
    check({
        {"55000 bytes", sized(55000), {}},
        // Byte 55001 is the end marker's line break, on line 551.
        {"55001 bytes", sized(55001), {"551 E file-size | fichier de 55001" + beyond}},
        {"far beyond", sized(60000), {"551 E file-size | fichier de 60000" + beyond}},
    });
}

TEST_CASE("\";the end\": missing, without a line break, or almost written")
{
    const std::string noEnd
        = " E end | pas de ligne \";the end\" : le jeu ne saurait pas où s'arrêtent les données";
    const std::string lookalike = " A end | le jeu ne reconnaît \";the end\" que seul sur sa ligne "
                                  "et en minuscules : il lit ici un commentaire et continue";
    check({
        {"Windows endings", crlfLines({"; x", vehicleLine("IDAHO", "0"), ";the end"}), {}},
        {"empty file", "", {"1" + noEnd}},
        {"no end", lines({"; x", vehicleLine("IDAHO", "0")}), {"2" + noEnd}},
        {"no line break after the end",
         "; x\n;the end",
         {"2 E end | pas de saut de ligne après \";the end\" : le jeu lit au-delà de la fin du "
          "fichier"}},
        {"other case", lines({"; x", ";The End"}), {"2" + lookalike, "2" + noEnd}},
        {"blank after", lines({"; x", ";the end "}), {"2" + lookalike, "2" + noEnd}},
        {"squeezed", lines({";theend", ";the end"}), {"1" + lookalike}},
        {"more after", lines({";the end of the boats", ";the end"}), {"1" + lookalike}},
        {"nothing after the end is read", file({}) + vehicleLine("ZZ", "zz") + "\ngarbage", {}},
    });
}

TEST_CASE("a byte order mark, UTF-16 text, a NUL byte")
{
    const std::string good = file({vehicleLine("IDAHO", "0")});
    // Nothing after a NUL byte is read, and no end is looked for.
    std::string binary = lines({"; x", vehicleLine("IDAHO", "0"), vehicleLine("BAD", "z")});
    binary.insert(binary.find("BAD"), 1, '\0');
    check({
        {"UTF-8 mark",
         good,
         {"1 E encoding | marque d'ordre des octets (BOM) UTF-8 en tête du fichier : le jeu la "
          "lit comme le début de la ligne 1"},
         &viceCity,
         TextEncoding::Utf8Bom},
        {"UTF-16",
         good,
         {"1 E encoding | fichier en UTF-16 LE (« Unicode » pour le Bloc-notes) : le jeu lit un "
          "octet par caractère et n'y comprend rien ; enregistrez-le en ANSI"},
         &viceCity,
         TextEncoding::Utf16Le},
        {"NUL byte", binary, {"3 E encoding | fichier binaire (octet nul) : lecture abandonnée"}},
    });
}

TEST_CASE("each check has a code of its own, which names it in JSON")
{
    std::set<std::string_view> codes;
    for (const rules::Rule &rule : fileRules()) {
        CHECK_FALSE(rule.code.empty());
        CHECK(codes.insert(rule.code).second);
    }
}

TEST_CASE("a line on its own, as pasted: its own problems, none of a whole file's")
{
    const auto rules = [](std::string_view line) {
        std::vector<std::string> found;
        for (const Problem &p : checkLine(line, viceCity))
            found.emplace_back(p.rule);
        return found;
    };
    CHECK(rules(vehicleLine("LANDSTAL", "0")).empty());
    CHECK(rules(withoutMass(vehicleLine("LANDSTAL", "0"))) == std::vector<std::string>{"fields"});
    CHECK(rules(vehicleLine("banshee", "12G4")) == std::vector<std::string>{"vehicle", "flags"});
}

TEST_CASE("San Andreas: its fields, its animation groups, and only the rules it has")
{
    std::string oneShort = sanAndreasVehicleLine("BANSHEE", "0", "0");
    oneShort.erase(oneShort.find(' '), 7);
    std::string longLine = sanAndreasVehicleLine("BRAVURA", "0", "0");
    longLine.insert(longLine.find(' '), 510 - longLine.size(), ' ');
    std::string large = lines({sanAndreasVehicleLine("LANDSTAL", "0", "0")});
    while (large.size() < 56000)
        large += "; " + std::string(97, '.') + "\n";
    std::string group = "^";
    for (int i = 0; i < 35; ++i)
        group += " 0";
    check({
        {"sound lines, no end marker, past 55,000 bytes", large, {}, &sanAndreas},
        {"a field missing",
         lines({oneShort}),
         {"1 E fields | BANSHEE : 35 champs, il en faut 36 pour une ligne standard de GTA: San "
          "Andreas : les colonnes qui suivent le manque sont décalées ; le jeu lit \"0\" dans la "
          "colonne \"af\" ; le jeu lit \"1\" dans la colonne \"ag\""},
         &sanAndreas},
        {"an animation group one field short",
         lines({group.substr(0, group.size() - 2), group}),
         {"1 E fields | 35 champs, il en faut 36 pour une ligne de groupe d'animation (^) de GTA: "
          "San Andreas : les colonnes qui suivent le manque sont décalées"},
         &sanAndreas},
        {"a line past what one read takes",
         lines({longLine}),
         {"1 E line-length | BRAVURA : ligne de 510 caractères : le jeu n'en prévoit que 509 et "
          "lit "
          "la suite comme une autre ligne"},
         &sanAndreas},
        {"both flags fields read",
         lines({sanAndreasVehicleLine("IDAHO", "0", "12G4")}),
         {"1 E vehicle | IDAHO : identifiant \"IDAHO\" inconnu de GTA: San Andreas" + crash,
          "1 E flags | IDAHO : valeur \"12G4\" : caractère non hexadécimal 'G' en position 3 ; le "
          "jeu lirait 12"},
         &sanAndreas},
    });
}
