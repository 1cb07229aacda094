#include "handling/MessageText.h"

#include "support/Doctest.h"
#include <array>
#include <string>

using namespace bitloom::handling;

TEST_CASE("a text is shown whole up to 40 bytes, cut after them with an ellipsis")
{
    const std::string forty(40, 'Z');
    CHECK(quoted(forty) == "\"" + forty + "\"");
    CHECK(quoted(forty + "Y") == "\"" + forty + "…\"");
    CHECK(quoted("") == "\"\"");
    // A cut never splits a character in two: "é" is two bytes.
    CHECK(shown(std::string(39, 'Z') + "éé") == std::string(39, 'Z') + "…");
    CHECK(shown(std::string(38, 'Z') + "éé") == std::string(38, 'Z') + "é…");
    CHECK(shown(std::string(38, 'Z') + "é") == std::string(38, 'Z') + "é");
}

TEST_CASE("control characters, quotes and backslashes are escaped, unless the caller asks not")
{
    CHECK(quoted("4\x01") == "\"4\\x01\"");
    CHECK(shown("a\"b\\c\x7F\t") == "a\\x22b\\x5Cc\\x7F\\x09");
    CHECK(shown("é Ω") == "é Ω");
    CHECK(quoted("12\"4", Escaping::None) == "\"12\"4\"");
    // The cut counts the bytes written, not the escapes.
    CHECK(shown(std::string(41, '\x01')) == [] {
        std::string escaped;
        for (int i = 0; i < 40; ++i)
            escaped += "\\x01";
        return escaped + "…";
    }());
}

TEST_CASE("counts, lists of choices and suggestions, in French")
{
    CHECK(counted(0, "erreur", "erreurs") == "0 erreur");
    CHECK(counted(1, "erreur", "erreurs") == "1 erreur");
    CHECK(counted(2, "erreur", "erreurs") == "2 erreurs");
    const std::array<std::string_view, 3> names{"A", "B", "C"};
    CHECK(alternatives(std::span(names).first(0)) == "");
    CHECK(alternatives(std::span(names).first(1)) == "A");
    CHECK(alternatives(std::span(names).first(2)) == "A ou B");
    CHECK(alternatives(names) == "A, B ou C");
    CHECK(suggestion({}) == "");
    CHECK(suggestion(std::span(names).first(2)) == " ; vouliez-vous dire A ou B ?");
    CHECK(entryLabel(LineKind::Standard) == "ligne standard");
    CHECK(entryLabel(LineKind::Bike) == "entrée moto (!)");
    CHECK(gameFlags(gta3) == "16 flags de GTA3");
}
