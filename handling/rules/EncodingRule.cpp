#include "Rules.h"

#include <fmt/format.h>

namespace bitloom::handling::rules {

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
             = fmt::format("fichier en UTF-16 {} (« Unicode » pour le Bloc-notes) : le jeu lit "
                           "un octet par caractère et n'y comprend rien ; enregistrez-le en ANSI",
                           file.encoding == TextEncoding::Utf16Le ? "LE" : "BE"),
             .line = 1});
        break;
    }
    if (file.nul)
        problems.push_back(
            {.message = "fichier binaire (octet nul) : lecture abandonnée", .line = *file.nul});
}

} // namespace bitloom::handling::rules
