// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace grimlark {

/// Why reading a file stopped.
enum class ReadStatus {
    Done,        ///< the file was read to the size it had when it was opened
    NotAFile,    ///< missing, empty path, or not a regular file (pipe, device, folder)
    OpenFailed,  ///< the file exists but cannot be opened for reading
    TooLarge,    ///< larger than kMaxFileBytes, or no memory to hold it
    ReadFailed,  ///< an error part-way
    Changed,     ///< replaced after it was looked at, or shrank while it was read
    Unsupported, ///< read, but in a form that is not text of one byte a character (UTF-16)
    Cancelled,   ///< the progress callback asked to stop
    OtherForm,   ///< read, but a database of a form Grimlark does not read (`form` says which)
    BadDatabase, ///< read, a database of a form Grimlark reads, but refused whole (`detail`)
};

/// How a read ended, with the system's error number where there was one.
struct ReadResult {
    ReadStatus status = ReadStatus::Done;
    int systemError = 0;        ///< errno (or the Windows error mapped to one); 0 if none
    const char *form = nullptr; ///< OtherForm: what the file is, in words
    std::string detail{};       ///< BadDatabase: why, as a clause with its line and column
};

/// The largest file that is read: line positions are kept in 32 bits.
constexpr std::uint64_t kMaxFileBytes = 0xFFFFFFFFu;

/// Told the bytes read so far and the file's size, after each chunk and each time
/// a read is interrupted by a signal; returns false to cancel the read.
using ReadProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

/// Reads a whole regular file into `bytes` (replacing what it held). The path is
/// the platform's own file name: its bytes as they are on Unix (they need not be
/// UTF-8), UTF-8 on Windows. The path is looked at before it is opened, so a
/// device, socket or pipe is refused without being opened; the opened file is
/// checked to be the one looked at (Changed otherwise). At most the size the
/// file had when opened is read, so a file that grows meanwhile still ends; one
/// that shrinks meanwhile gives Changed. `progress` may be called on any thread
/// the caller reads on; a read interrupted by a signal asks it whether to go on.
/// On any failure and on Cancelled, `bytes` is empty.
/// Never throws: a file that cannot be held in memory gives TooLarge.
ReadResult readFile(const std::string &nativePath, std::string &bytes,
                    const ReadProgress &progress = {});

/// Room for `size` bytes in `bytes`, asking the system to back it with large
/// pages where it can (Linux transparent huge pages): filling 30 MB of fresh
/// memory otherwise costs more in page faults than reading a file into it.
/// Throws std::bad_alloc where the room cannot be had.
void reserveLarge(std::string &bytes, std::size_t size);

/// The reason of a failed read in plain lower-case words ("permission denied",
/// "it is not a regular file"), for a message that names the file.
/// ReadFailed and Changed happen part-way: a message says the file could not be
/// "read" rather than "opened" (see failedWhileReading).
std::string describe(const ReadResult &result);

/// True when the read failed after the file was opened.
bool failedWhileReading(const ReadResult &result);

} // namespace grimlark
