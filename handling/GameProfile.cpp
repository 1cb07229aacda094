#include "GameProfile.h"

#include <array>

namespace bitloom::handling {

const GameProfile *findGame(std::string_view option)
{
    static constexpr std::array<const GameProfile *, 2> games{&viceCity, &gta3};
    for (const GameProfile *game : games) {
        if (game->option == option)
            return game;
    }
    return nullptr;
}

} // namespace bitloom::handling
