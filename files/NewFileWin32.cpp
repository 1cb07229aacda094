#include "NewFile.h"

#include "text/Utf16.h"

#include <algorithm>
#include <fmt/format.h>
#include <optional>
#include <utility>
#include <windows.h>

namespace bitloom::files {

namespace {

std::string systemError(DWORD number)
{
    switch (number) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "disque plein";
    case ERROR_ACCESS_DENIED:
        return "permission refusée";
    case ERROR_WRITE_PROTECT:
        return "disque en lecture seule";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return "le fichier est ouvert dans un autre programme";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return "fichier ou dossier introuvable";
    case ERROR_FILENAME_EXCED_RANGE:
        return "nom de fichier trop long";
    case ERROR_NOT_SAME_DEVICE:
        return "pas sur le même disque";
    default:
        return fmt::format("erreur du système {}", number);
    }
}

std::string writeError(DWORD number)
{
    return fmt::format("écriture impossible : {}", systemError(number));
}

// CREATE_NEW under a name no other file has.
HANDLE createBeside(const std::wstring &destination, std::wstring &name)
{
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::wstring candidate = destination + L".bitloom-" + std::to_wstring(GetCurrentProcessId())
                                 + L"-" + std::to_wstring(attempt) + L".tmp";
        const HANDLE file = CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            name = std::move(candidate);
            return file;
        }
        if (GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    return INVALID_HANDLE_VALUE;
}

std::optional<FileIdentity> identityOf(HANDLE file)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info))
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber,
                        (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

std::optional<FileIdentity> identityOf(const std::wstring &path)
{
    const HANDLE file
        = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const std::optional<FileIdentity> identity = identityOf(file);
    CloseHandle(file);
    return identity;
}

} // namespace

NewFile::~NewFile()
{
    if (m_name.empty())
        return;
    const std::wstring name = text::wideFromUtf8(m_name);
    if (!m_placed || identityOf(name) == m_identity)
        DeleteFileW(name.c_str());
}

// A file made in the folder takes the folder's rights, as the file it
// replaces did; ReplaceFileW then keeps that file's own.
std::string NewFile::write(const std::string &destination, std::string_view contents,
                           const std::string &)
{
    std::wstring wideName;
    const HANDLE file = createBeside(text::wideFromUtf8(destination), wideName);
    if (file == INVALID_HANDLE_VALUE)
        return fmt::format("impossible de créer un fichier dans son dossier : {}",
                           systemError(GetLastError()));
    m_name = text::utf8FromWide(wideName);
    std::string failure;
    while (!contents.empty() && failure.empty()) {
        DWORD written = 0;
        const auto size = static_cast<DWORD>(std::min<std::size_t>(contents.size(), 1 << 20));
        if (!WriteFile(file, contents.data(), size, &written, nullptr))
            failure = writeError(GetLastError());
        contents.remove_prefix(written);
    }
    if (failure.empty() && !FlushFileBuffers(file))
        failure = writeError(GetLastError());
    m_identity = identityOf(file).value_or(FileIdentity{});
    CloseHandle(file);
    return failure;
}

std::string NewFile::replace(const std::string &destination)
{
    const std::wstring from = text::wideFromUtf8(m_name);
    const std::wstring to = text::wideFromUtf8(destination);
    const bool replaced = GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES
                          && ReplaceFileW(to.c_str(), from.c_str(), nullptr,
                                          REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    if (!replaced
        && !MoveFileExW(from.c_str(), to.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fmt::format("remplacement impossible : {}", systemError(GetLastError()));
    m_name.clear();
    return {};
}

// Without MOVEFILE_REPLACE_EXISTING, a move never takes a name that is taken.
NewFile::Placement NewFile::place(const std::string &destination, std::string &failure)
{
    const std::wstring to = text::wideFromUtf8(destination);
    if (GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES)
        return Placement::NameTaken;
    if (!MoveFileExW(text::wideFromUtf8(m_name).c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
            return Placement::NameTaken;
        failure = fmt::format("impossible de la poser : {}", systemError(error));
        return Placement::Failed;
    }
    m_name = destination;
    m_placed = true;
    return Placement::Placed;
}

void NewFile::keep()
{
    m_name.clear();
    m_placed = false;
}

std::string existingFile(const std::string &path)
{
    const DWORD attributes = GetFileAttributesW(text::wideFromUtf8(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return {};
    return path;
}

std::string writeRefusal(const std::string &path)
{
    const DWORD attributes = GetFileAttributesW(text::wideFromUtf8(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return "fichier en lecture seule";
    return {};
}

} // namespace bitloom::files
