// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "FileReader.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <new>
#include <system_error>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/mman.h>
#endif
#endif

namespace grimlark {

namespace {

/// Reads in pieces of this size, so that progress is told and a cancel is heard.
constexpr std::size_t kChunk = std::size_t(4) << 20;

/// Outcome of one system read: bytes read, 0 at the end, -1 on error.
struct Got {
    long long bytes;
    int error; ///< errno when bytes is -1; EINTR for an interrupted read
};

#ifdef _WIN32

class OpenFile {
public:
    OpenFile() = default;
    OpenFile(const OpenFile &) = delete; // owns its handle
    OpenFile &operator=(const OpenFile &) = delete;
    ~OpenFile()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    /// Opens a regular file; NotAFile or OpenFailed with the reason otherwise.
    ReadResult open(const std::string &utf8Path)
    {
        const int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8Path.data(),
                                             int(utf8Path.size()), nullptr, 0);
        if (wide <= 0)
            return {ReadStatus::NotAFile, ENOENT};
        std::wstring path(std::size_t(wide), L'\0');
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8Path.data(), int(utf8Path.size()),
                            path.data(), wide);
        // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open; a pipe
        // client and a device do, without waiting, and are refused below.
        m_handle = CreateFileW(path.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (m_handle == INVALID_HANDLE_VALUE) {
            switch (GetLastError()) {
            case ERROR_FILE_NOT_FOUND:
            case ERROR_PATH_NOT_FOUND:
            case ERROR_INVALID_NAME:
                return {ReadStatus::NotAFile, ENOENT};
            case ERROR_ACCESS_DENIED: {
                const DWORD attributes = GetFileAttributesW(path.c_str());
                if (attributes != INVALID_FILE_ATTRIBUTES &&
                    (attributes & FILE_ATTRIBUTE_DIRECTORY))
                    return {ReadStatus::NotAFile, EISDIR};
                return {ReadStatus::OpenFailed, EACCES};
            }
            case ERROR_SHARING_VIOLATION:
                return {ReadStatus::OpenFailed, EBUSY};
            default:
                return {ReadStatus::OpenFailed, EIO};
            }
        }
        LARGE_INTEGER size;
        if (GetFileType(m_handle) != FILE_TYPE_DISK || !GetFileSizeEx(m_handle, &size))
            return {ReadStatus::NotAFile, 0};
        m_size = std::uint64_t(size.QuadPart);
        return {};
    }
    std::uint64_t size() const { return m_size; }
    Got read(char *into, std::size_t size)
    {
        DWORD got = 0;
        if (!ReadFile(m_handle, into, DWORD(size), &got, nullptr)) {
            // A byte range another program has locked: it is in use, not broken.
            const DWORD error = GetLastError();
            return {-1, error == ERROR_LOCK_VIOLATION || error == ERROR_SHARING_VIOLATION ? EBUSY
                                                                                          : EIO};
        }
        return {static_cast<long long>(got), 0};
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    std::uint64_t m_size = 0;
};

#else

class OpenFile {
public:
    OpenFile() = default;
    OpenFile(const OpenFile &) = delete; // owns its handle
    OpenFile &operator=(const OpenFile &) = delete;
    ~OpenFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    ReadResult open(const std::string &nativePath)
    {
        // Looked at first: opening a device or a socket can itself do something
        // (a new pseudo-terminal, a tape rewinding), so only a file is opened.
        struct stat looked {};
        if (::stat(nativePath.c_str(), &looked) != 0) {
            const int error = errno;
            if (error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG || error == ELOOP)
                return {ReadStatus::NotAFile, ENOENT};
            return {ReadStatus::OpenFailed, error};
        }
        if (!S_ISREG(looked.st_mode))
            return {ReadStatus::NotAFile, S_ISDIR(looked.st_mode) ? EISDIR : 0};
        // O_NONBLOCK: a FIFO swapped in since the look must not hold the open.
        m_fd = ::open(nativePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (m_fd < 0) {
            const int error = errno;
            if (error == ENOENT || error == ENOTDIR || error == ENXIO || error == ENAMETOOLONG)
                return {ReadStatus::Changed, error};
            return {ReadStatus::OpenFailed, error};
        }
        struct stat info {};
        if (::fstat(m_fd, &info) != 0)
            return {ReadStatus::OpenFailed, errno};
        if (!S_ISREG(info.st_mode) || info.st_dev != looked.st_dev || info.st_ino != looked.st_ino)
            return {ReadStatus::Changed, 0};
        // Reads of a regular file wait for the disk as usual.
        ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
        m_size = std::uint64_t(info.st_size);
        return {};
    }
    std::uint64_t size() const { return m_size; }
    Got read(char *into, std::size_t size)
    {
        const ssize_t got = ::read(m_fd, into, size);
        return {static_cast<long long>(got), got < 0 ? errno : 0};
    }

private:
    int m_fd = -1;
    std::uint64_t m_size = 0;
};

#endif

ReadResult readOpened(OpenFile &file, std::string &bytes, const ReadProgress &progress)
{
    const std::uint64_t total = file.size();
    if (total > kMaxFileBytes)
        return {ReadStatus::TooLarge, EFBIG};
    try {
        reserveLarge(bytes, std::size_t(total));
    } catch (const std::bad_alloc &) {
        return {ReadStatus::TooLarge, ENOMEM};
    }
    std::size_t have = 0;
    while (have < total) {
        const std::size_t want = std::min<std::size_t>(kChunk, std::size_t(total) - have);
        bytes.resize(have + want); // within the reserve: never allocates
        const Got got = file.read(&bytes[have], want);
        if (got.bytes < 0 && got.error != EINTR) {
            bytes.clear();
            return {ReadStatus::ReadFailed, got.error};
        }
        if (got.bytes > 0)
            have += std::size_t(got.bytes);
        bytes.resize(have);
        if (got.bytes == 0) {
            // The file shrank since it was opened: what is left is not the file
            // that was chosen, and listing it would hide a torn last line.
            bytes.clear();
            return {ReadStatus::Changed, 0};
        }
        // After each chunk, and after a read that a signal interrupted.
        if (progress && !progress(have, total)) {
            bytes.clear();
            return {ReadStatus::Cancelled, 0};
        }
    }
    return {};
}

} // namespace

void reserveLarge(std::string &bytes, std::size_t size)
{
    bytes.reserve(size);
#ifdef __linux__
    constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(bytes.data());
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (begin + bytes.capacity()) & ~(kHugePage - 1);
    if (last > first) // NOLINTNEXTLINE(performance-no-int-to-ptr): page-aligned address
        ::madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
#endif
}

ReadResult readFile(const std::string &nativePath, std::string &bytes, const ReadProgress &progress)
{
    bytes.clear();
    if (nativePath.empty() || nativePath.find('\0') != std::string::npos)
        return {ReadStatus::NotAFile, ENOENT};
    OpenFile file;
    if (ReadResult opened = file.open(nativePath); opened.status != ReadStatus::Done)
        return opened;
    return readOpened(file, bytes, progress);
}

bool failedWhileReading(const ReadResult &result)
{
    return result.status == ReadStatus::ReadFailed || result.status == ReadStatus::Changed ||
           result.status == ReadStatus::OtherForm || result.status == ReadStatus::BadDatabase;
}

std::string describe(const ReadResult &result)
{
    switch (result.status) {
    case ReadStatus::Done:
    case ReadStatus::Cancelled:
        return {};
    case ReadStatus::TooLarge:
        return result.systemError == ENOMEM ? "there is not enough memory to hold it"
                                            : "it is larger than 4 GB";
    case ReadStatus::NotAFile:
        if (result.systemError == EISDIR)
            return "it is a folder";
        if (result.systemError == 0)
            return "it is not a regular file";
        return "no such file";
    case ReadStatus::OpenFailed:
        if (result.systemError == EACCES || result.systemError == EPERM)
            return "permission denied";
        break;
    case ReadStatus::ReadFailed:
        if (result.systemError == EBUSY) // Windows: a range another program has locked
            return "it is being used by another program";
        return "a read error (" + std::generic_category().message(result.systemError) + ")";
    case ReadStatus::Changed:
        return "it changed while it was being read";
    case ReadStatus::OtherForm:
        return std::string("it is ") + (result.form ? result.form : "a database of another form") +
               ", which Grimlark does not read yet";
    case ReadStatus::BadDatabase:
        return result.detail;
    case ReadStatus::Unsupported:
#ifdef _WIN32
        return "it is UTF-16 text; save it as UTF-8 or ANSI text and open it again";
#else
        return "it is UTF-16 text; save it as UTF-8 text and open it again"; // "ANSI" is Windows'
#endif
    }
    if (result.systemError == EBUSY) // Windows: a file another program holds unshared
        return "it is being used by another program";
    std::string reason = std::generic_category().message(result.systemError);
    if (!reason.empty())
        reason[0] = char(std::tolower(static_cast<unsigned char>(reason[0])));
    return reason;
}

} // namespace grimlark
