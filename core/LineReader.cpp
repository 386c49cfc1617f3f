#include "LineReader.h"

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

void LineSplitter::feed(const char *data, size_t size) {
    const char *const end = data + size;
    const char *p = data;
    if (m_pendingCR && p < end) {
        m_pendingCR = false;
        const bool lf = *p == '\n';
        m_onLine(m_partial, lf ? LineEnd::CRLF : LineEnd::CR);
        m_partial.clear();
        p += lf ? 1 : 0;
    }
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
        if (stop == end) {
            m_partial.append(p, static_cast<size_t>(end - p));
            return;
        }
        std::string_view line(p, static_cast<size_t>(stop - p));
        if (!m_partial.empty()) {
            m_partial.append(line);
            line = m_partial;
        }
        if (*stop == '\n') {
            m_onLine(line, LineEnd::LF);
            p = stop + 1;
        } else if (stop + 1 == end) {
            // CR at the very end of the chunk: whether it is CRLF is up to the next one.
            if (m_partial.empty())
                m_partial.assign(line);
            m_pendingCR = true;
            return;
        } else {
            const bool lf = stop[1] == '\n';
            m_onLine(line, lf ? LineEnd::CRLF : LineEnd::CR);
            p = stop + (lf ? 2 : 1);
        }
        m_partial.clear();
    }
}

void LineSplitter::finish() {
    if (m_pendingCR)
        m_onLine(m_partial, LineEnd::CR);
    else if (!m_partial.empty())
        m_onLine(m_partial, LineEnd::None);
    m_partial.clear();
    m_pendingCR = false;
}

ReadStatus readLines(const std::string &utf8Path, const LineSplitter::LineHandler &onLine) {
    if (utf8Path.empty())
        return ReadStatus::NotAFile;
    namespace fs = std::filesystem;
    const fs::path path = fs::u8path(utf8Path);
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return ReadStatus::NotAFile;

    std::ifstream file(path, std::ios::binary);
    if (!file)
        return ReadStatus::OpenFailed;

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
