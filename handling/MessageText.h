// What the messages about values, names and handling files share: how they
// show a text that came from a file, the command line or the clipboard, how
// they count, and how they list choices. In French, like the windows.
#pragma once

#include "GameProfile.h"
#include "HandlingFormat.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace bitloom::handling {

// A message shows this many bytes of a text at most: past them the text is
// cut, never inside a UTF-8 character, and "…" says so.
inline constexpr std::size_t longestShown = 40;

enum class Escaping : std::uint8_t {
    None,  // the text holds no control character: shown as it is
    Bytes, // control characters, '"' and '\' written \xHH: one readable line
};

std::string shown(std::string_view text, Escaping escaping = Escaping::Bytes);
// The same, in double quotes.
std::string quoted(std::string_view text, Escaping escaping = Escaping::Bytes);

// "1 erreur", "0 erreur", "2 erreurs": French counts zero and one alike.
std::string counted(std::size_t count, std::string_view singular, std::string_view plural);
// "A", "A ou B", "A, B ou C".
std::string alternatives(std::span<const std::string_view> names);
// " ; vouliez-vous dire A ou B ?", or nothing when there is no name.
std::string suggestion(std::span<const std::string_view> names);

// For an identifier the game does not know: " ; pcj600 est un nom de
// modèle, son identifiant de handling est BIKE" for a model's name, the
// nearest identifiers otherwise, or nothing.
std::string identifierSuggestion(std::string_view identifier, const GameProfile &game);

// "ligne standard", "entrée bateau (%)".
std::string entryLabel(LineKind kind);
// "standard 33, bateau 16, moto 17, vol 20": the fields of each kind of
// line the game has, marker included.
std::string fieldCountsText(const GameProfile &game);
// "\"ae\"", "\"af\" et \"ag\"": the game's flags columns.
std::string flagsColumns(const GameProfile &game);
// "28 flags de GTA: Vice-City".
std::string gameFlags(const GameProfile &game);

} // namespace bitloom::handling
