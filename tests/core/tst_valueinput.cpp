#include "core/ValueInput.h"

#include <doctest.h>

#include <string>

using namespace bitloom::core;

namespace {

// A vehicle line of the handling file with its column "ae" (the 31st field).
std::string vehicleLine(const std::string &flags, int fields = 33)
{
    std::string line = "LANDSTAL";
    for (int field = 2; field <= fields; ++field)
        line += field == 31 ? " " + flags : " 1.0";
    return line;
}

} // namespace

TEST_CASE("clean values are applied as the game reads them")
{
    struct Case {
        std::string text;
        std::uint32_t value;
    };
    const Case cases[] = {
        {"9047000", 0x9047000},
        {"0x09047000", 0x9047000},
        {"  9047000 \r\n", 0x9047000},
        // The longest text read: a value with blanks around it.
        {std::string(longestValueInput - 8, ' ') + "9047000\n", 0x9047000},
        {"fffffff", 0xFFFFFFF},
        {"0", 0},
        {"0X1f", 0x1F},
        {"\t00000000000000001\t", 1},
        {vehicleLine("2180"), 0x2180},
        {vehicleLine("0x4002004") + "\r\n", 0x4002004},
    };
    for (const Case &c : cases) {
        CAPTURE(c.text);
        const ValueInput input = readValueInput(c.text);
        CHECK(input.decision == ValueDecision::Apply);
        CHECK(input.value == c.value);
        CHECK(input.message.empty());
    }
}

TEST_CASE("where the game reads less than it looks, the user is asked")
{
    const ValueInput input = readValueInput("12G4");
    CHECK(input.decision == ValueDecision::Confirm);
    CHECK(input.value == 0x12);
    CHECK(input.message
          == "Valeur \"12G4\" : caractère non hexadécimal 'G' en position 3 ; le jeu lirait "
             "12.\n\nUtiliser la valeur 12 ?");

    const ValueInput fromLine = readValueInput(vehicleLine("2180x"));
    CHECK(fromLine.decision == ValueDecision::Confirm);
    CHECK(fromLine.value == 0x2180);
    CHECK(fromLine.message.starts_with("Colonne \"ae\" de LANDSTAL : valeur \"2180x\" : "));

    CHECK(readValueInput("7é").decision == ValueDecision::Confirm);
    CHECK(readValueInput("7é").message.find("octet non hexadécimal 0xC3 en position 2")
          != std::string::npos);
}

TEST_CASE("texts with no value, or with bits above the flags, are refused with the reason")
{
    struct Case {
        std::string text;
        const char *reason;
    };
    const std::string tooLong(longestValueInput + 1, '1');
    const Case cases[] = {
        {"", "le texte est vide"},
        {" \r\n\t ", "le texte est vide"},
        {"xyz", "\"xyz\" : caractère non hexadécimal 'x' en position 1 ; le jeu ne lirait"},
        {"1000000000G", "'G' en position 11 ; le jeu ne lirait aucune valeur sûre"},
        {"10000000", "bits 10000000 au-delà des 28 flags de GTA: Vice-City ; le jeu les ignore et "
                     "lit les flags 0. La fenêtre n'a que les 28 flags"},
        {"100000000", "plus de 32 bits"},
        {"10000000G", "le jeu lirait 10000000. La fenêtre n'a que les 28 flags"},
        {"G1", "caractère non hexadécimal 'G'"},
        {tooLong, "trop long"},
        {std::string("12\0"
                     "34",
                     5),
         "caractères de contrôle"},
        {"\x01\x02\x7f", "caractères de contrôle"},
        // DEL is a control character too, alone or within a value.
        {"\x7f", "caractères de contrôle"},
        {"12\x7f"
         "34",
         "caractères de contrôle"},
        {"1\n2", "plusieurs lignes"},
        {"ffffff f", "a 2 champs : ce n'est ni une seule valeur"},
        {vehicleLine("2180", 30), "a 30 champs : ce n'est ni une seule valeur"},
        // Cut right after column "ae": a vehicle line, its columns shifted.
        {vehicleLine("2180", 31), "a 31 champs, une ligne de véhicule en a 33"},
        {vehicleLine("2180", 32),
         "a 32 champs, une ligne de véhicule en a 33 : ses colonnes sont décalées"},
        {vehicleLine("2180", 34), "a 34 champs"},
        {"! BIKE 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", "pas la ligne standard"},
        {"; a comment line", "pas la ligne standard"},
        {"% BOAT 1 2 3", "pas la ligne standard"},
        {vehicleLine("10000000"), "Colonne \"ae\" de LANDSTAL : valeur \"10000000\" : bits"},
    };
    for (const Case &c : cases) {
        CAPTURE(c.text.substr(0, 60));
        const ValueInput input = readValueInput(c.text);
        CAPTURE(input.message);
        CHECK(input.decision == ValueDecision::Refuse);
        CHECK(input.message.find(c.reason) != std::string::npos);
    }
}

TEST_CASE("a long text is refused at once, and messages quote it cut short")
{
    const std::string tenMegabytes(10 * 1024 * 1024, 'A');
    CHECK(readValueInput(tenMegabytes).message
          == "Ce texte est trop long pour être une valeur ou une ligne du fichier handling : "
             "10485760 octets.");
    const ValueInput input = readValueInput(std::string(60, 'Z'));
    CHECK(input.message
          == "Valeur \"" + std::string(40, 'Z')
                 + "…\" : caractère non hexadécimal 'Z' en position 1 ; le jeu ne lirait aucune "
                   "valeur sûre.");
    // A cut never splits a character in two.
    const ValueInput accented = readValueInput(std::string(39, 'Z') + "éééé");
    CHECK(accented.message.find(std::string(39, 'Z') + "…\"") != std::string::npos);
}
