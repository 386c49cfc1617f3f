#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace grimlark {

/// How a line ended in the file.
enum class LineEnd { None, CR, LF, CRLF };

/// The bytes of a terminator ("" for LineEnd::None).
std::string_view terminatorText(LineEnd end);

/// Splits a byte stream delivered in chunks of any size into lines. A carriage
/// return, a carriage return followed by a line feed, or a bare line feed ends a
/// line; a last line without terminator is delivered by finish(). Lines come
/// without their terminators, which are reported beside them.
class LineSplitter {
public:
    using LineHandler = std::function<void(std::string_view line, LineEnd end)>;

    explicit LineSplitter(LineHandler onLine) : m_onLine(std::move(onLine)) {}

    void feed(const char *data, size_t size);
    /// Delivers what is left: a final line without terminator, or a pending CR.
    void finish();

private:
    LineHandler m_onLine;
    std::string m_partial; ///< start of a line that the next chunk continues
    bool m_pendingCR = false; ///< the last chunk ended in CR; an LF may follow
};

/// Why reading a file stopped.
enum class ReadStatus {
    Done,       ///< every line was delivered
    NotAFile,   ///< missing, empty path, or not a regular file (pipe, device, folder)
    OpenFailed, ///< the file exists but cannot be opened for reading
    ReadFailed, ///< an error part-way; the lines before it were delivered
};

/// Delivers every line of a whole text, in order, as views into `text`; the same
/// lines that a LineSplitter fed `text` in any chunks would give.
void splitLines(std::string_view text, const LineSplitter::LineHandler &onLine);

/// Reads a regular file line by line, in UTF-8 path encoding. Never blocks on a
/// pipe or device: anything but a regular file is refused before it is opened.
ReadStatus readLines(const std::string &utf8Path, const LineSplitter::LineHandler &onLine);

/// Reads a whole regular file into `bytes`, refusing what readLines refuses. On
/// ReadFailed, `bytes` holds the lines read before the error, each with its
/// terminator, and no part of a line; on any other failure it is empty. The
/// capacity `bytes` has is used, so a caller may reserve the file's size + 1.
ReadStatus readFile(const std::string &utf8Path, std::string &bytes);

} // namespace grimlark
