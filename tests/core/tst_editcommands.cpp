#include "core/MenuDefinition.h"
#include "support/FakeMainWindowControls.h"

#include <doctest.h>

using namespace bitloom;
using core::Command;
using flags::CheckState;

namespace {

struct Loaded : tests::FakeMainWindowControls {
    Loaded() { behaviour.load(); }
    void choose(std::string_view name) { behaviour.run(core::menuItem(name)); }
    bool canUndo() { return enabled.at(Command::Undo); }
    bool canRedo() { return enabled.at(Command::Redo); }
};

} // namespace

TEST_CASE("a pasted value ticks its flags through their clicks, as one step Undo takes back")
{
    Loaded window;
    CHECK_FALSE(window.canUndo());
    CHECK_FALSE(window.canRedo());
    window.clipboard = "0x09047000";
    window.choose("mnuEditPaste");
    CHECK(window.output == "9047000");
    CHECK(window.value() == 0x9047000);
    CHECK(window.recomputes == 6);
    CHECK(window.messages.empty());
    CHECK(window.canUndo());

    window.behaviour.resetFlags();
    CHECK(window.output == "0");
    window.choose("mnuEditUndo");
    CHECK(window.output == "9047000");
    window.choose("mnuEditUndo");
    CHECK(window.output == "0");
    CHECK_FALSE(window.canUndo());
    CHECK(window.canRedo());
    window.choose("mnuEditRedo");
    window.choose("mnuEditRedo");
    CHECK(window.output == "0");
    CHECK_FALSE(window.canRedo());
}

TEST_CASE("every tick is a step; a reset that changes nothing is none")
{
    Loaded window;
    window.click(0);
    window.click(4);
    window.click(0);
    window.behaviour.resetFlags();
    window.behaviour.resetFlags();
    const char *back[] = {"10", "11", "1", "0"};
    for (const char *output : back) {
        window.choose("mnuEditUndo");
        CHECK(window.output == output);
    }
    CHECK_FALSE(window.canUndo());
}

TEST_CASE("a new change after Undo ends what Redo could bring back")
{
    Loaded window;
    window.click(1);
    window.choose("mnuEditUndo");
    CHECK(window.canRedo());
    window.click(2);
    CHECK_FALSE(window.canRedo());
    CHECK(window.output == "4");
}

TEST_CASE("forgetting the history offers neither Undo nor Redo")
{
    Loaded window;
    window.click(1);
    window.click(2);
    window.choose("mnuEditUndo");
    REQUIRE((window.canUndo() && window.canRedo()));
    window.behaviour.forgetHistory();
    CHECK_FALSE(window.canUndo());
    CHECK_FALSE(window.canRedo());
}

TEST_CASE("a value the game reads differently is applied only once confirmed")
{
    Loaded window;
    window.clipboard = "12G4";
    window.answers = {core::Answer::No};
    window.choose("mnuEditPaste");
    REQUIRE(window.questions.size() == 1);
    CHECK(window.questions[0].starts_with("Coller une valeur: Valeur \"12G4\""));
    CHECK(window.output == "0");
    CHECK_FALSE(window.canUndo());

    window.answers = {core::Answer::Yes};
    window.choose("mnuEditPaste");
    CHECK(window.output == "12");
}

TEST_CASE("a refused value changes nothing and says why")
{
    for (const char *text : {"10000000", "", "xyz"}) {
        CAPTURE(text);
        Loaded window;
        window.click(3);
        window.clipboard = text;
        window.choose("mnuEditPaste");
        CHECK(window.output == "8");
        REQUIRE(window.messages.size() == 1);
        CHECK(window.messages[0].starts_with("Coller une valeur: "));
        window.choose("mnuEditUndo");
        CHECK(window.output == "0");
    }
    Loaded noText;
    noText.choose("mnuEditPaste");
    CHECK(noText.messages
          == std::vector<std::string>{
              "Coller une valeur: Le presse-papiers ne contient pas de texte."});
}

TEST_CASE("a typed value is read the same way; a cancelled window does nothing")
{
    Loaded window;
    window.typed = "2180";
    window.choose("mnuEditType");
    CHECK(window.output == "2180");
    window.typed = std::nullopt;
    window.choose("mnuEditType");
    CHECK(window.output == "2180");
    CHECK(window.messages.empty());
    window.typed = "zz";
    window.choose("mnuEditType");
    REQUIRE(window.messages.size() == 1);
    CHECK(window.messages[0].starts_with("Saisir une valeur: "));
}

TEST_CASE("Copy puts the output text on the clipboard")
{
    Loaded window;
    window.click(27);
    window.choose("mnuEditCopy");
    CHECK(window.clipboard == "8000000");
}

TEST_CASE("Copier la ligne gives the line read back with the window's value in its flags field")
{
    Loaded window;
    const auto copyLine = [&] {
        window.choose("mnuEditCopyLine");
        return window.clipboard.value_or("");
    };
    const auto caption = [&] {
        return window.captions.at(Command::CopyLine).first;
    };
    // Before any line: off, and its shortcut does nothing.
    CHECK_FALSE(window.enabled.at(Command::CopyLine));
    CHECK(caption() == "Copier la &ligne");
    window.clipboard = "untouched";
    CHECK(copyLine() == "untouched");

    // 33 fields, a tab among the spaces, its own line break: only "ae"
    // changes, in the field's own style.
    const std::string fields
        = "LANDSTAL 1700.0 5.0 4.0 2.2 0.0 0.0 -0.2 85 0.8\t0.75 0.5 5 160.0 "
          "25.0 4 D 6.2 0.60 0 35.0 1.4 0.15 0.0 0.5 25000 0.25 -0.20 0.5 1.0 ";
    window.clipboard = fields + "0x0C0 1 1\r\n";
    window.choose("mnuEditPaste");
    CHECK(window.enabled.at(Command::CopyLine));
    CHECK(caption() == "Copier la &ligne de LANDSTAL");
    window.click(5); // IS_VAN
    CHECK(copyLine() == fields + "0x0E0 1 1\r\n");

    // A reset keeps the line; Undo and Redo bring back the line of each state.
    window.behaviour.resetFlags();
    CHECK(copyLine() == fields + "0x000 1 1\r\n");
    window.clipboard = "9047000";
    window.choose("mnuEditPaste");
    CHECK_FALSE(window.enabled.at(Command::CopyLine));
    CHECK(caption() == "Copier la &ligne");
    window.clipboard = "untouched";
    CHECK(copyLine() == "untouched");
    window.choose("mnuEditUndo");
    CHECK(window.enabled.at(Command::CopyLine));
    CHECK(copyLine() == fields + "0x000 1 1\r\n");
    window.choose("mnuEditRedo");
    CHECK_FALSE(window.enabled.at(Command::CopyLine));

    // Shifted columns are refused; a line the game does not read is said as
    // check says it, and not given back.
    window.clipboard = fields + "0x0C0 1 1 1";
    window.choose("mnuEditPaste");
    CHECK(window.messages.back().find("ses colonnes sont décalées") != std::string::npos);
    CHECK_FALSE(window.enabled.at(Command::CopyLine));
    window.clipboard = "banshee" + fields.substr(8) + "0x0C0 1 1";
    window.choose("mnuEditPaste");
    CHECK(window.output == "C0");
    CHECK(window.messages.back()
          == "Coller une valeur: Le jeu ne lit pas cette ligne comme la fenêtre : erreur : "
             "banshee : identifiant \"banshee\" inconnu de GTA: Vice-City : le jeu écrit hors de "
             "sa table et peut planter ; vouliez-vous dire BANSHEE ?\n\n« Copier la ligne » ne "
             "la rendra pas.");
    CHECK_FALSE(window.enabled.at(Command::CopyLine));
    CHECK(caption() == "Copier la &ligne de banshee (le jeu ne la lit pas ainsi)");
    CHECK(window.captions.at(Command::CopyLine).second.starts_with("erreur : banshee : "));
    window.clipboard = "untouched";
    CHECK(copyLine() == "untouched");
}
