#include "GameProfile.h"

#include <array>

namespace bitloom::handling {

namespace {

constexpr std::array<const GameProfile *, 3> allGames{&viceCity, &gta3, &sanAndreas};

} // namespace

std::span<const GameProfile *const> games()
{
    return allGames;
}

const GameProfile *findGame(std::string_view option)
{
    for (const GameProfile *game : allGames) {
        if (game->option == option)
            return game;
    }
    return nullptr;
}

} // namespace bitloom::handling
