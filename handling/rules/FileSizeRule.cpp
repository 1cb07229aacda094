#include "Rules.h"

#include <algorithm>
#include <fmt/format.h>

namespace bitloom::handling::rules {

// Reported on the line where the game's buffer ends. A binary file is not
// read whole, and has its own error.
void checkFileSize(const HandlingFile &file, const GameProfile &game,
                   std::vector<Problem> &problems)
{
    // San Andreas reads line by line: it has no such buffer.
    if (file.nul || game.maxFileBytes == 0 || file.text.size() <= game.maxFileBytes)
        return;
    const std::string_view read = file.text.substr(0, game.maxFileBytes);
    const auto line = static_cast<std::size_t>(std::count(read.begin(), read.end(), '\n')) + 1;
    problems.push_back(
        {.message = fmt::format("fichier de {} octets : le jeu n'en prévoit que {}, et cette "
                                "ligne les dépasse ; il peut planter ou lire de travers",
                                file.text.size(), game.maxFileBytes),
         .line = line});
}

} // namespace bitloom::handling::rules
