#include "NewFile.h"

#include "text/Utf8Path.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace bitloom::files {

namespace fs = std::filesystem;

namespace {

std::string systemError(int number)
{
    switch (number) {
    case ENOSPC:
        return "disque plein";
    case EDQUOT:
        return "quota du disque atteint";
    case EFBIG:
        return "fichier trop gros pour le disque";
    case EACCES:
    case EPERM:
        return "permission refusée";
    case EROFS:
        return "disque en lecture seule";
    case EIO:
        return "erreur d'entrée-sortie du disque";
    default:
        return fmt::format("erreur du système {} ({})", number, std::strerror(number));
    }
}

std::string writeError(int number)
{
    return fmt::format("écriture impossible : {}", systemError(number));
}

std::string fill(int file, std::string_view contents, const struct stat &like)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(file, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return writeError(errno);
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    if (::fchmod(file, like.st_mode & 07777) != 0)
        return fmt::format("impossible de garder les permissions du fichier : {}",
                           systemError(errno));
    // Only a privileged user may give a file away; anyone else's new file
    // stays theirs, as an editor's would.
    if ((like.st_uid != ::geteuid() || like.st_gid != ::getegid())
        && ::fchown(file, like.st_uid, like.st_gid) != 0) {
    }
    if (::fsync(file) != 0)
        return writeError(errno);
    return {};
}

// A rename is on disk once the folder that holds the names is.
void syncFolder(const fs::path &folder)
{
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    ::fsync(handle);
    ::close(handle);
}

} // namespace

NewFile::~NewFile()
{
    if (!name.empty())
        ::unlink(name.c_str());
}

std::string NewFile::write(const std::string &destination, std::string_view contents,
                           const std::string &like)
{
    struct stat permissions {};
    if (::stat(like.c_str(), &permissions) != 0)
        return fmt::format("fichier illisible : {}", systemError(errno));
    const fs::path place(destination);
    // Hidden, and named for the file it stands in for.
    std::string hidden = ".";
    hidden += place.filename().string();
    hidden += ".XXXXXX";
    std::string pattern = (place.parent_path() / hidden).string();
    const int file = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (file < 0)
        return fmt::format("impossible de créer un fichier dans son dossier : {}",
                           systemError(errno));
    name = std::move(pattern);
    std::string failure = fill(file, contents, permissions);
    if (::close(file) != 0 && failure.empty())
        failure = writeError(errno);
    return failure;
}

std::string NewFile::moveTo(const std::string &destination)
{
    if (::rename(name.c_str(), destination.c_str()) != 0)
        return fmt::format("remplacement impossible : {}", systemError(errno));
    name.clear();
    syncFolder(fs::path(destination).parent_path());
    return {};
}

std::string existingFile(const std::string &path)
{
    std::error_code error;
    const fs::path file = fs::canonical(text::pathFromUtf8(path), error);
    return error ? std::string() : file.string();
}

std::string writeRefusal(const std::string &path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && (info.st_mode & 0222) == 0)
        return "fichier en lecture seule";
    return {};
}

} // namespace bitloom::files
