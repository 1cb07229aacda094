#include "cli/CommandLine.h"

#include "support/Doctest.h"
#include <string>
#include <vector>

using namespace bitloom::cli;

namespace {

CommandLine parse(const std::vector<std::string_view> &arguments)
{
    return parseCommandLine(arguments);
}

} // namespace

TEST_CASE("a command, its operands and the options, in any order")
{
    struct Case {
        std::vector<std::string_view> arguments;
        Command command;
        bool json;
        std::string_view game; // empty when none is asked for
        std::vector<std::string_view> operands;
    };
    const Case cases[] = {
        {{"decode", "1", "2"}, Command::Decode, false, "", {"1", "2"}},
        {{"--json", "encode", "IS_BUS"}, Command::Encode, true, "", {"IS_BUS"}},
        {{"encode", "IS_BUS", "--json"}, Command::Encode, true, "", {"IS_BUS"}},
        {{"--game", "gta3", "scan", "f"}, Command::Scan, false, "gta3", {"f"}},
        {{"scan", "f", "--game=gta3"}, Command::Scan, false, "gta3", {"f"}},
        {{"--game=gta3", "--game=vc", "decode", "1"}, Command::Decode, false, "vc", {"1"}},
        {{"scan", "--game", "sa", "f", "--has", "NOS_INST"}, Command::Scan, false, "sa", {"f"}},
        // "--" ends the options: what follows is an operand, even --help.
        {{"decode", "--", "-1", "--json"}, Command::Decode, false, "", {"-1", "--json"}},
        {{"decode", "--", "--help", "--version", "-h"},
         Command::Decode,
         false,
         "",
         {"--help", "--version", "-h"}},
        {{"scan", "-"}, Command::Scan, false, "", {"-"}},
        // Only "--" starts an option: a word with one dash is an operand.
        {{"encode", "2180", "+GOOD_IN_SAND", "-IS_LOW"},
         Command::Encode,
         false,
         "",
         {"2180", "+GOOD_IN_SAND", "-IS_LOW"}},
        {{"decode", "-1"}, Command::Decode, false, "", {"-1"}},
        {{"scan", "f", "LANDSTAL", "idaho"}, Command::Scan, false, "", {"f", "LANDSTAL", "idaho"}},
        {{"check", "a", "-", "b"}, Command::Check, false, "", {"a", "-", "b"}},
        {{"--game=gta3", "list"}, Command::List, false, "gta3", {}},
        // Help and the version win over everything before "--".
        {{"--help"}, Command::Help, false, "", {}},
        {{"-h"}, Command::Help, false, "", {}},
        {{"frobnicate", "--bogus", "--help"}, Command::Help, false, "", {}},
        {{"decode", "--version"}, Command::Version, false, "", {}},
        {{"help"}, Command::Help, false, "", {}},
    };
    for (const Case &c : cases) {
        CAPTURE(c.arguments.size());
        CAPTURE(c.arguments.back());
        const CommandLine line = parse(c.arguments);
        CHECK(line.usageError == "");
        CHECK(line.options.command == c.command);
        CHECK(line.options.json == c.json);
        // No --game: the game told from the file, or Vice-City.
        CHECK((line.options.game ? line.options.game->option : "") == c.game);
        CHECK(line.options.operands == c.operands);
    }
}

TEST_CASE("a wrong command line says what is wrong")
{
    const std::pair<std::vector<std::string_view>, const char *> cases[] = {
        {{}, "commande manquante (decode, encode, list, scan, check, set ou help)"},
        {{"--json"}, "commande manquante (decode, encode, list, scan, check, set ou help)"},
        {{"frobnicate", "1"},
         "commande inconnue \"frobnicate\" (decode, encode, list, scan, check, set ou help)"},
        {{"--", "--json", "1"},
         "commande inconnue \"--json\" (decode, encode, list, scan, check, set ou help)"},
        {{"decode"}, "decode attend au moins une valeur"},
        {{"encode", "--json"}, "encode attend au moins un nom de flag"},
        {{"scan"}, "scan attend un fichier"},
        {{"check"}, "check attend un fichier"},
        {{"list", "IS_BUS"}, "list n'attend aucun argument"},
        {{"check", "-", "a", "-"}, "l'entrée standard (\"-\") ne se lit qu'une fois"},
        {{"decode", "--hex", "1"}, "option inconnue \"--hex\""},
        {{"decode", "1", "--game"}, "--game attend vc, gta3 ou sa"},
        {{"--game", "iv", "decode", "1"}, "jeu inconnu \"iv\" : --game attend vc, gta3 ou sa"},
        {{"--game=", "decode", "1"}, "--game attend vc, gta3 ou sa"},
        {{"scan", "f", "--has"}, "--has attend un nom de flag"},
        {{"check", "f", "--has", "IS_BUS"}, "l'option --has ne sert qu'à scan"},
        {{"--json=1", "decode", "1"}, "option inconnue \"--json=1\""},
        {{"--dry-run", "decode", "1"}, "l'option --dry-run ne sert qu'à set"},
        {{"help", "frobnicate"},
         "commande inconnue \"frobnicate\" (decode, encode, list, scan, check, set ou help)"},
        {{"help", "set", "scan"}, "help n'attend qu'un nom de commande"},
    };
    for (const auto &[arguments, message] : cases) {
        CAPTURE(message);
        CHECK(parse(arguments).usageError == message);
    }
}

TEST_CASE("the help of one command, asked for in either way")
{
    const std::pair<std::vector<std::string_view>, Command> asked[] = {
        {{"help", "set"}, Command::Set},
        {{"set", "--help"}, Command::Set},
        {{"--json", "scan", "-h", "f"}, Command::Scan},
        {{"-h", "frobnicate", "check"}, Command::Check},
        {{"help"}, Command::Help},
        {{"--help", "frobnicate"}, Command::Help},
    };
    for (const auto &[arguments, topic] : asked) {
        CAPTURE(arguments.front());
        const CommandLine line = parse(arguments);
        CHECK(line.usageError == "");
        CHECK(line.options.command == Command::Help);
        CHECK(line.options.helpTopic == topic);
    }
}
