#include "NewFile.h"

#include "SystemError.h"
#include "text/Utf8Path.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace bitloom::files {

namespace fs = std::filesystem;

namespace {

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
void syncFolderOf(const std::string &path)
{
    const fs::path folder = fs::path(path).parent_path();
    const int handle
        = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    ::fsync(handle);
    ::close(handle);
}

FileIdentity identityOf(const struct stat &info)
{
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

// Moves from to a name nobody has: never over another file or folder. Where
// the file system cannot rename so, a hard link does the same.
int moveToFreeName(const char *from, const char *to)
{
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (::link(from, to) != 0)
        return errno;
    ::unlink(from);
    return 0;
}

} // namespace

NewFile::~NewFile()
{
    if (m_name.empty())
        return;
    struct stat info {};
    if (!m_placed || (::lstat(m_name.c_str(), &info) == 0 && identityOf(info) == m_identity))
        ::unlink(m_name.c_str());
    if (m_placed)
        syncFolderOf(m_name);
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
    m_name = std::move(pattern);
    std::string failure = fill(file, contents, permissions);
    struct stat info {};
    if (::fstat(file, &info) == 0)
        m_identity = identityOf(info);
    if (::close(file) != 0 && failure.empty())
        failure = writeError(errno);
    return failure;
}

std::string NewFile::replace(const std::string &destination)
{
    if (::rename(m_name.c_str(), destination.c_str()) != 0)
        return fmt::format("remplacement impossible : {}", systemError(errno));
    m_name.clear();
    syncFolderOf(destination);
    return {};
}

NewFile::Placement NewFile::place(const std::string &destination, std::string &failure)
{
    if (const int error = moveToFreeName(m_name.c_str(), destination.c_str()); error != 0) {
        if (error == EEXIST || error == ENOTEMPTY)
            return Placement::NameTaken;
        failure = fmt::format("impossible de la poser : {}", systemError(error));
        return Placement::Failed;
    }
    m_name = destination;
    m_placed = true;
    syncFolderOf(destination);
    return Placement::Placed;
}

void NewFile::keep()
{
    m_name.clear();
    m_placed = false;
}

std::string existingFile(const std::string &path)
{
    std::error_code error;
    const fs::path file = fs::canonical(text::pathFromUtf8(path), error);
    if (error || !fs::is_regular_file(file, error))
        return {};
    return file.string();
}

std::string writeRefusal(const std::string &path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && (info.st_mode & 0222) == 0)
        return "fichier en lecture seule";
    return {};
}

} // namespace bitloom::files
