#include "LineReader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace grimlark {

std::string_view terminatorText(LineEnd end) {
    switch (end) {
    case LineEnd::CR:
        return "\r";
    case LineEnd::LF:
        return "\n";
    case LineEnd::CRLF:
        return "\r\n";
    case LineEnd::None:
        break;
    }
    return {};
}

namespace {

/// The end that the terminator at `stop` gives its line, with `length` set to its
/// size in bytes. A CR that is the last byte before `end` gives None: whether it
/// is the first half of a CRLF is not known yet.
LineEnd endAt(const char *stop, const char *end, size_t &length) {
    length = 1;
    if (*stop == '\n')
        return LineEnd::LF;
    if (stop + 1 == end)
        return LineEnd::None;
    if (stop[1] != '\n')
        return LineEnd::CR;
    length = 2;
    return LineEnd::CRLF;
}

/// Delivers each line of [p, end) whose end is known and returns where the rest
/// begins: a line without terminator, or one whose CR is the last byte.
const char *deliverLines(const char *p, const char *const end,
                         const LineSplitter::LineHandler &onLine) {
    // The next LF and CR at or after p, each found with memchr and searched for
    // again only once p has passed it, so every byte is scanned at most twice.
    auto find = [end](const char *from, char c) {
        const void *at = std::memchr(from, c, static_cast<size_t>(end - from));
        return at ? static_cast<const char *>(at) : end;
    };
    const char *nextLF = p < end ? find(p, '\n') : end;
    const char *nextCR = p < end ? find(p, '\r') : end;
    while (p < end) {
        if (nextLF < p)
            nextLF = find(p, '\n');
        if (nextCR < p)
            nextCR = find(p, '\r');
        const char *stop = nextLF < nextCR ? nextLF : nextCR;
        if (stop == end)
            return p;
        size_t length = 0;
        const LineEnd kind = endAt(stop, end, length);
        if (kind == LineEnd::None)
            return p;
        onLine(std::string_view(p, static_cast<size_t>(stop - p)), kind);
        p = stop + length;
    }
    return p;
}

} // namespace

void LineSplitter::feed(const char *data, size_t size) {
    const char *const end = data + size;
    const char *p = data;
    if (p == end)
        return;
    if (m_pendingCR) {
        m_pendingCR = false;
        const bool lf = *p == '\n';
        m_onLine(m_partial, lf ? LineEnd::CRLF : LineEnd::CR);
        m_partial.clear();
        p += lf ? 1 : 0;
    } else if (!m_partial.empty()) {
        // Finish the line that the last chunk began; lines are short, so a plain
        // scan beats two memchr calls that may run to the end of the chunk.
        const char *stop = std::find_if(p, end, [](char c) { return c == '\n' || c == '\r'; });
        m_partial.append(p, static_cast<size_t>(stop - p));
        if (stop == end)
            return;
        size_t length = 0;
        const LineEnd kind = endAt(stop, end, length);
        if (kind == LineEnd::None) {
            m_pendingCR = true;
            return;
        }
        m_onLine(m_partial, kind);
        m_partial.clear();
        p = stop + length;
    }
    const char *rest = deliverLines(p, end, m_onLine);
    m_pendingCR = rest < end && end[-1] == '\r';
    m_partial.assign(rest, static_cast<size_t>(end - rest) - (m_pendingCR ? 1 : 0));
}

void LineSplitter::finish() {
    if (m_pendingCR)
        m_onLine(m_partial, LineEnd::CR);
    else if (!m_partial.empty())
        m_onLine(m_partial, LineEnd::None);
    m_partial.clear();
    m_pendingCR = false;
}

void splitLines(std::string_view text, const LineSplitter::LineHandler &onLine) {
    const char *const end = text.data() + text.size();
    const char *rest = deliverLines(text.data(), end, onLine);
    if (rest == end)
        return;
    if (end[-1] == '\r')
        onLine(std::string_view(rest, static_cast<size_t>(end - 1 - rest)), LineEnd::CR);
    else
        onLine(std::string_view(rest, static_cast<size_t>(end - rest)), LineEnd::None);
}

size_t countLines(std::string_view text) {
    size_t lines = 0;
    splitLines(text, [&lines](std::string_view, LineEnd) { ++lines; });
    return lines;
}

namespace {

/// Opens a regular file for reading; NotAFile and OpenFailed as readLines says.
ReadStatus openRegular(const std::string &utf8Path, std::ifstream &file) {
    if (utf8Path.empty())
        return ReadStatus::NotAFile;
    namespace fs = std::filesystem;
    const fs::path path = fs::u8path(utf8Path);
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return ReadStatus::NotAFile;
    file.open(path, std::ios::binary);
    return file ? ReadStatus::Done : ReadStatus::OpenFailed;
}

} // namespace

ReadStatus readLines(const std::string &utf8Path, const LineSplitter::LineHandler &onLine) {
    std::ifstream file;
    if (const ReadStatus status = openRegular(utf8Path, file); status != ReadStatus::Done)
        return status;
    LineSplitter splitter(onLine);
    std::vector<char> buffer(1 << 16);
    while (file) {
        file.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const std::streamsize got = file.gcount();
        if (got > 0)
            splitter.feed(buffer.data(), static_cast<size_t>(got));
    }
    if (file.bad())
        return ReadStatus::ReadFailed;
    splitter.finish();
    return ReadStatus::Done;
}

} // namespace grimlark
