#include "Rules.h"

#include "cli/Messages.h"

#include <algorithm>

namespace bitloom::cli::rules {

using messages::cat;

// Reported on the line where the game's buffer ends. A binary file is not
// read whole, and has its own error.
void checkFileSize(const HandlingFile &file, const GameProfile &, std::vector<Problem> &problems)
{
    if (file.nul || file.text.size() <= maxGameFileBytes)
        return;
    const std::string_view read = file.text.substr(0, maxGameFileBytes);
    const auto line = static_cast<std::size_t>(std::count(read.begin(), read.end(), '\n')) + 1;
    problems.push_back(
        {.message = cat({"fichier de ", std::to_string(file.text.size()),
                         " octets : le jeu n'en prévoit que ", std::to_string(maxGameFileBytes),
                         ", et cette ligne les dépasse ; il peut planter ou lire de travers"}),
         .line = line});
}

} // namespace bitloom::cli::rules
