#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace grimlark {

/// Why reading a file stopped.
enum class ReadStatus {
    Done,       ///< the file was read to the size it had when it was opened
    NotAFile,   ///< missing, empty path, or not a regular file (pipe, device, folder)
    OpenFailed, ///< the file exists but cannot be opened for reading
    TooLarge,   ///< larger than kMaxFileBytes, or no memory to hold it
    ReadFailed, ///< an error part-way
    Cancelled,  ///< the progress callback asked to stop
};

/// How a read ended, with the system's error number where there was one.
struct ReadResult {
    ReadStatus status = ReadStatus::Done;
    int systemError = 0; ///< errno (or the Windows error mapped to one); 0 if none
};

/// The largest file that is read: line positions are kept in 32 bits.
constexpr std::uint64_t kMaxFileBytes = 0xFFFFFFFFu;

/// Told the bytes read so far and the file's size, after each chunk and each time
/// a read is interrupted by a signal; returns false to cancel the read.
using ReadProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

/// Reads a whole regular file, named in UTF-8, into `bytes` (replacing what it
/// held). The file is opened without blocking and checked as opened, so a pipe or
/// device put in its place is refused rather than waited on. At most the size
/// the file had when opened is read, so a file that grows meanwhile still ends.
/// A read interrupted by a signal asks `progress` whether to go on, so a blocked
/// read never holds the caller against a termination signal.
/// On any failure and on Cancelled, `bytes` is empty.
/// Never throws: a file that cannot be held in memory gives TooLarge.
ReadResult readFile(const std::string &utf8Path, std::string &bytes,
                    const ReadProgress &progress = {});

/// The reason of a failed read in plain lower-case words ("permission denied",
/// "it is not a regular file"), for a message that names the file.
std::string describe(const ReadResult &result);

} // namespace grimlark
