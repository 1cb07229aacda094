#include "SystemError.h"

#include <array>
#include <cerrno>
#include <fmt/format.h>
#include <string_view>

namespace bitloom::files {

namespace {

struct Explained {
    int number;
    std::string_view text;
};

// Those a file's writing and replacing meet; the others keep their number,
// which a search finds.
constexpr std::array explained{
    Explained{ENOSPC, "disque plein"},
#ifdef EDQUOT
    Explained{EDQUOT, "quota du disque atteint"},
#endif
    Explained{EFBIG, "fichier trop gros pour le disque"},
    Explained{EACCES, "permission refusée"},
    Explained{EPERM, "opération interdite sur ce fichier (protégé, ou à un autre utilisateur)"},
    Explained{EROFS, "disque en lecture seule"},
    Explained{EIO, "erreur d'entrée-sortie du disque"},
    Explained{ENOENT, "fichier ou dossier introuvable"},
    Explained{ENOTDIR, "un élément du chemin n'est pas un dossier"},
    Explained{EISDIR, "c'est un dossier"},
    Explained{EEXIST, "le nom est déjà pris"},
    Explained{ENOTEMPTY, "le dossier n'est pas vide"},
    Explained{ENAMETOOLONG, "nom de fichier trop long"},
    Explained{ELOOP, "trop de liens symboliques dans le chemin"},
    Explained{EBUSY, "fichier occupé par le système"},
    Explained{ETXTBSY, "fichier occupé par un programme"},
    Explained{EMFILE, "trop de fichiers ouverts"},
    Explained{ENFILE, "trop de fichiers ouverts sur le système"},
    Explained{EXDEV, "pas sur le même disque"},
    Explained{EINVAL, "opération que ce disque ne permet pas"},
    Explained{ENOMEM, "mémoire insuffisante"},
    Explained{EINTR, "interrompu"},
};

} // namespace

std::string systemError(int number)
{
    for (const Explained &known : explained) {
        if (known.number == number)
            return std::string(known.text);
    }
    return fmt::format("erreur du système {}", number);
}

} // namespace bitloom::files
