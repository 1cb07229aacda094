// Telling the game of a handling file from the file itself: its standard
// lines have as many fields as the game's own.
#pragma once

#include "GameProfile.h"
#include "HandlingFile.h"

#include <cstddef>

namespace bitloom::handling {

// How many of the file's standard lines have the field count of each game.
struct GameEvidence {
    const GameProfile *game = nullptr; // the one most of them match, if any
    std::size_t matching = 0;
    std::size_t lines = 0; // standard lines with an identifier
};

// The game whose field count more than half of the standard lines have, at
// least three of them: a line or two may be shifted by mistake, a file is
// another game's. No game when none is so plain.
GameEvidence gameOfFile(const HandlingFile &file);

// The game to read a file's text as: the one asked for, if any; otherwise
// the one it plainly is, Vice-City by default.
const GameProfile &gameToRead(std::string_view text, TextEncoding encoding,
                              const GameProfile *asked);

} // namespace bitloom::handling
