// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <string>
#include <string_view>

namespace grimlark {

/// The steps of a safe write that reach the system, one each, so that a test
/// can make any of them fail as a full disk or a held file makes it fail. Each
/// returns 0, or the error (errno, or the Windows error mapped to one).
class FileSteps {
public:
    FileSteps() = default;
    virtual ~FileSteps() = default;
    FileSteps(const FileSteps &) = delete; // used through references: a copy would slice
    FileSteps &operator=(const FileSteps &) = delete;
    /// 0 where the file at `path` may be written by this user (not read-only).
    virtual int writable(const std::string &path);
    /// Makes a new file beside `path`, of a name no file has (set in `made`),
    /// holding `bytes`, with `path`'s permissions, flushed to the disk. On a
    /// failure no such file is left.
    virtual int writeBeside(const std::string &path, std::string_view bytes, std::string &made);
    /// A second file beside `path`, of a name no file has (set in `made`),
    /// holding the same bytes as it (`bytes`): the same file under a second
    /// name where the file system links files (nothing to write), else a
    /// copy written as writeBeside writes one.
    virtual int keepBeside(const std::string &path, std::string_view bytes, std::string &made);
    /// Reads the whole file at `path` into `bytes`.
    virtual int read(const std::string &path, std::string &bytes);
    /// Puts the file `from` in place of `to` in one step, `to`'s permissions
    /// kept (rename on POSIX, ReplaceFile on Windows); `to` need not exist.
    virtual int moveOver(const std::string &from, const std::string &to);
    /// Takes the file away (a failure is not told: nothing depends on it).
    virtual void remove(const std::string &path);
};

/// The system's own steps.
FileSteps &systemFileSteps();

/// How a safe write ended.
struct WriteResult {
    enum class Status {
        Done,    ///< the file holds the new bytes; the old ones are the backup
        Changed, ///< the file no longer held what it was expected to: nothing written
        Failed,  ///< a step failed (`step`, `systemError`): the file is as it was
    };
    Status status = Status::Done;
    int systemError = 0;
    const char *step = ""; ///< what could not be done, as a clause ("write the new file beside it")
};

/// The name the file at `path` keeps its previous version under.
std::string backupPathOf(const std::string &path);

/// Replaces the bytes of the file at `nativePath` by `bytes`, provided it still
/// holds `expected` (what they were made from), and keeps `expected` as its
/// backup (backupPathOf). The backup (a second name of the old file, where the
/// file system allows) and the new bytes are put beside the file, flushed to
/// the disk, first; the file is read again just before it is replaced, and is
/// replaced in one step: stopped at any moment (a crash, a full disk, a file
/// held by another program), the file holds either its old bytes or its new
/// ones, never a part.
WriteResult replaceFileSafely(const std::string &nativePath, std::string_view expected,
                              std::string_view bytes, FileSteps &steps = systemFileSteps());

/// The reason of a failed write in plain words, for a message that names the
/// file: "Grimlark could not write the new file beside it: no space left on
/// device".
std::string describe(const WriteResult &result);

} // namespace grimlark
