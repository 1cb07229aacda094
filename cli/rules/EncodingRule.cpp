#include "Rules.h"

#include "cli/Messages.h"

namespace bitloom::cli::rules {

using messages::cat;

void checkEncoding(const HandlingFile &file, const GameProfile &, std::vector<Problem> &problems)
{
    switch (file.encoding) {
    case TextEncoding::Plain:
        break;
    case TextEncoding::Utf8Bom:
        problems.push_back({.message = "marque d'ordre des octets (BOM) UTF-8 en tête du fichier : "
                                       "le jeu la lit comme le début de la ligne 1",
                            .line = 1});
        break;
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        problems.push_back(
            {.message
             = cat({"fichier en UTF-16 ", file.encoding == TextEncoding::Utf16Le ? "LE" : "BE",
                    " (« Unicode » pour le Bloc-notes) : le jeu lit un octet par "
                    "caractère et n'y comprend rien ; enregistrez-le en ANSI"}),
             .line = 1});
        break;
    }
    if (file.nul)
        problems.push_back({.message = messages::binaryFile(), .line = *file.nul});
}

} // namespace bitloom::cli::rules
