// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "FileWrite.h"

#include "FileReader.h"

#include <cerrno>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace grimlark {

namespace {

#ifdef _WIN32

std::wstring widened(const std::string &utf8)
{
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(std::size_t(size > 0 ? size : 0), L'\0');
    if (size > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), size);
    return wide;
}

int lastError()
{
    switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
        return EBUSY; // held by another program
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    default:
        return EIO;
    }
}

#endif

} // namespace

#ifdef _WIN32

int FileSteps::writable(const std::string &path)
{
    const DWORD attributes = GetFileAttributesW(widened(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return lastError();
    return attributes & FILE_ATTRIBUTE_READONLY ? EACCES : 0;
}

int FileSteps::writeBeside(const std::string &path, std::string_view bytes, std::string &made)
{
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned tries = 0; file == INVALID_HANDLE_VALUE; ++tries) {
        made = path + ".grimlark-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(GetTickCount() + tries) + ".tmp";
        file = CreateFileW(widened(made).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && (GetLastError() != ERROR_FILE_EXISTS || tries > 100))
            return lastError();
    }
    int error = 0;
    for (std::size_t done = 0; done < bytes.size() && error == 0;) {
        const DWORD piece = DWORD(std::min<std::size_t>(bytes.size() - done, 1u << 24));
        DWORD wrote = 0;
        if (!WriteFile(file, bytes.data() + done, piece, &wrote, nullptr) || wrote == 0)
            error = lastError();
        done += wrote;
    }
    if (error == 0 && !FlushFileBuffers(file))
        error = lastError();
    if (!CloseHandle(file) && error == 0)
        error = lastError();
    if (error != 0)
        remove(made);
    return error;
}

int FileSteps::keepBeside(const std::string &path, std::string_view bytes, std::string &made)
{
    return FileSteps::writeBeside(path, bytes, made); // this step's own, not an override's
}

int FileSteps::moveOver(const std::string &from, const std::string &to)
{
    const std::wstring target = widened(to), source = widened(from);
    // ReplaceFile keeps the replaced file's attributes and access rights;
    // where there is none yet, a move in one step does.
    const bool exists = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
    const BOOL moved = exists ? ReplaceFileW(target.c_str(), source.c_str(), nullptr,
                                             REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                              : MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    return moved ? 0 : lastError();
}

void FileSteps::remove(const std::string &path)
{
    DeleteFileW(widened(path).c_str());
}

#else

int FileSteps::writable(const std::string &path)
{
    return access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

int FileSteps::writeBeside(const std::string &path, std::string_view bytes, std::string &made)
{
    std::string name = path + ".grimlark-XXXXXX";
    const int fd = mkstemp(name.data());
    if (fd < 0)
        return errno;
    made = name;
    int error = 0;
    // The old file's permissions and, where this user may give them, owner.
    struct stat old {};
    if (stat(path.c_str(), &old) == 0) {
        if (fchmod(fd, old.st_mode & 07777) != 0)
            error = errno;
        (void)!fchown(fd, old.st_uid, old.st_gid);
    }
    for (std::size_t done = 0; done < bytes.size() && error == 0;) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            error = wrote < 0 ? errno : EIO;
        else
            done += std::size_t(wrote);
    }
    if (error == 0 && fsync(fd) != 0)
        error = errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0)
        remove(made);
    return error;
}

int FileSteps::keepBeside(const std::string &path, std::string_view bytes, std::string &made)
{
    // A second link to the file: its bytes stay the old ones once the new
    // file is moved over its name, and none are written.
    for (unsigned tries = 0; tries < 100; ++tries) {
        made = path + ".grimlark-" + std::to_string(getpid()) + "-" + std::to_string(tries) + "~";
        if (link(path.c_str(), made.c_str()) == 0)
            return 0;
        if (errno == EEXIST)
            continue;
        // (ENOTSUP is EOPNOTSUPP on Linux.)
        if (errno == EXDEV || errno == EPERM || errno == EMLINK || errno == EOPNOTSUPP ||
            errno == ENOSYS)
            break; // a file system without links (FAT, some network shares)
        return errno;
    }
    return FileSteps::writeBeside(path, bytes, made); // this step's own, not an override's
}

int FileSteps::moveOver(const std::string &from, const std::string &to)
{
    if (rename(from.c_str(), to.c_str()) != 0)
        return errno;
    // The rename itself made lasting: the folder's entry flushed too.
    const std::size_t slash = to.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : to.substr(0, slash + 1);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)fsync(fd);
        (void)close(fd);
    }
    return 0;
}

void FileSteps::remove(const std::string &path)
{
    (void)unlink(path.c_str());
}

#endif

int FileSteps::read(const std::string &path, std::string &bytes)
{
    const ReadResult result = readFile(path, bytes);
    if (result.status == ReadStatus::Done)
        return 0;
    return result.systemError != 0 ? result.systemError : EIO;
}

FileSteps &systemFileSteps()
{
    static FileSteps steps;
    return steps;
}

std::string backupPathOf(const std::string &path)
{
    return path + "~";
}

WriteResult replaceFileSafely(const std::string &nativePath, std::string_view expected,
                              std::string_view bytes, FileSteps &steps)
{
    using Status = WriteResult::Status;
    if (const int error = steps.writable(nativePath))
        return {Status::Failed, error, "write into it"};
    // The backup first, of the bytes the file was read as (checked below to
    // be what it still holds), then the new bytes: both whole on the disk
    // before anything is put in place.
    std::string backup, replacement;
    if (const int error = steps.keepBeside(nativePath, expected, backup))
        return {Status::Failed, error, "make its backup beside it"};
    if (const int error = steps.writeBeside(nativePath, bytes, replacement)) {
        steps.remove(backup);
        return {Status::Failed, error, "write the new file beside it"};
    }
    const auto abandon = [&](WriteResult result) {
        steps.remove(backup);
        steps.remove(replacement);
        return result;
    };
    std::string now;
    if (const int error = steps.read(nativePath, now))
        return abandon({Status::Failed, error, "read it again"});
    if (now != expected)
        return abandon({Status::Changed, 0, ""});
    if (const int error = steps.moveOver(backup, backupPathOf(nativePath)))
        return abandon({Status::Failed, error, "keep its previous version as its backup"});
    // Gone with the move, but where the old backup was a link to this very
    // file: a rename onto the same file moves nothing.
    steps.remove(backup);
    if (const int error = steps.moveOver(replacement, nativePath)) {
        steps.remove(replacement);
        return {Status::Failed, error, "put the new file in its place"};
    }
    return {};
}

std::string describe(const WriteResult &result)
{
    switch (result.status) {
    case WriteResult::Status::Done:
        return "it was written";
    case WriteResult::Status::Changed:
        return "it changed since Grimlark read it";
    case WriteResult::Status::Failed:
        break;
    }
    return std::string("Grimlark could not ") + result.step + ": " +
           describe(ReadResult{ReadStatus::OpenFailed, result.systemError});
}

} // namespace grimlark
