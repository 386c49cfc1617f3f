#pragma once

#include "FileReader.h"

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

/// Delivers every line of a whole text, in order, as views into `text`; the same
/// lines that a LineSplitter fed `text` in any chunks would give.
void splitLines(std::string_view text, const LineSplitter::LineHandler &onLine);

/// The number of lines splitLines delivers for `text`.
size_t countLines(std::string_view text);

/// Reads a regular file line by line, in UTF-8 path encoding. Never blocks on a
/// pipe or device: anything but a regular file is refused before it is opened.
ReadStatus readLines(const std::string &utf8Path, const LineSplitter::LineHandler &onLine);

} // namespace grimlark
