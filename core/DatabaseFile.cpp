// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "DatabaseFile.h"

#include "LineReader.h"
#include "Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

namespace grimlark {

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
} // namespace

Fingerprint fingerprintOf(std::string_view bytes)
{
    // FNV-1a over 8 bytes at a time: read once as the file is cut, it must
    // cost little beside the cutting.
    std::uint64_t hash = 0xCBF29CE484222325u;
    constexpr std::uint64_t kPrime = 0x100000001B3u;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + i, 8);
        hash = (hash ^ word) * kPrime;
        hash ^= hash >> 29;
    }
    for (; i < bytes.size(); ++i)
        hash = (hash ^ static_cast<unsigned char>(bytes[i])) * kPrime;
    return {bytes.size(), hash};
}

DatabaseFile::DatabaseFile(std::string bytes)
    : m_bytes(std::move(bytes)), m_fingerprint(fingerprintOf(m_bytes))
{
    std::string_view text = m_bytes;
    if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom)
        text.remove_prefix(kUtf8Bom.size());
    // Counted first, so the positions take exactly their room: growing them as
    // lines come would cost up to twice that, at 4 bytes a line of a 1-byte line.
    const std::size_t count = countLines(text);
    m_starts.reserve(count);
    m_utf8.reserve(count);
    const char *const base = m_bytes.data();
    // Most files are UTF-8 (or ASCII) throughout: one pass over the whole tells,
    // and their lines need no test of their own. Otherwise the lines that are
    // not UTF-8 tell the file's legacy encoding; a sample of them is plenty for
    // the byte statistics.
    const bool allUtf8 = isValidUtf8(text);
    m_allUtf8 = allUtf8;
    constexpr std::size_t kSample = std::size_t(1) << 20;
    std::string others;
    splitLines(text, [this, base, allUtf8, &others](std::string_view line) {
        m_starts.push_back(static_cast<std::uint32_t>(line.data() - base));
        m_widest = std::max(m_widest, line.size());
        if (allUtf8)
            return;
        const bool utf8 = isValidUtf8(line);
        m_utf8.push_back(utf8);
        if (!utf8 && others.size() < kSample)
            others.append(line).push_back('\n');
    });
    if (allUtf8)
        m_utf8.assign(m_starts.size(), true);
    else if (!others.empty())
        m_legacy = detectLegacyEncoding(others);
}

std::string_view DatabaseFile::line(std::size_t i) const
{
    const std::size_t begin = m_starts[i];
    const std::size_t end = i + 1 < m_starts.size() ? m_starts[i + 1] : m_bytes.size();
    std::string_view line = std::string_view(m_bytes).substr(begin, end - begin);
    // A line holds no CR or LF of its own, so what ends it is its terminator.
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

RecordPlace DatabaseFile::place(std::size_t i) const
{
    if (!m_places.empty())
        return {m_places[i].line, m_places[i].begin, m_places[i].end};
    const std::size_t begin = m_starts[i];
    return {i, begin, begin + line(i).size()};
}

DatabaseFile
DatabaseFile::withRowsApart(DatabaseFile file,
                            const std::function<std::vector<RecordCut>(std::string_view)> &split)
{
    std::string bytes;
    std::vector<Place> places;
    bool cut = false;
    for (std::size_t i = 0; i < file.lines(); ++i) {
        const std::string_view line = file.line(i);
        const auto start = static_cast<std::uint32_t>(file.m_starts[i]);
        std::vector<RecordCut> records = split(line);
        cut = cut || !records.empty();
        if (records.empty())
            records.push_back({std::string(line), 0, line.size()});
        for (const RecordCut &record : records) {
            bytes.append(record.text).push_back('\n');
            places.push_back({static_cast<std::uint32_t>(i),
                              static_cast<std::uint32_t>(start + record.begin),
                              static_cast<std::uint32_t>(start + record.end)});
        }
    }
    if (!cut || bytes.size() > kMaxFileBytes)
        return file;
    DatabaseFile apart(std::move(bytes));
    apart.m_places = std::move(places);
    apart.m_fingerprint = file.m_fingerprint;
    return apart;
}

DatabaseFile DatabaseFile::withSpans(DatabaseFile file,
                                     const std::vector<std::pair<std::size_t, std::size_t>> &spans)
{
    if (spans.empty() || !file.m_places.empty())
        return file;
    // The bytes stay as they are: a record of several lines is the stretch
    // from its first line's start to the next record's.
    std::vector<std::uint32_t> starts;
    std::vector<bool> utf8;
    std::vector<Place> places;
    starts.reserve(file.m_starts.size());
    auto span = spans.begin();
    for (std::size_t i = 0; i < file.m_starts.size(); ++i) {
        std::size_t last = i;
        if (span != spans.end() && span->first == i) {
            last = std::min(std::max(span->second, i), file.m_starts.size() - 1);
            ++span;
        }
        bool isUtf8 = true;
        for (std::size_t j = i; j <= last; ++j)
            isUtf8 = isUtf8 && file.m_utf8[j];
        starts.push_back(file.m_starts[i]);
        utf8.push_back(isUtf8);
        places.push_back({static_cast<std::uint32_t>(i), file.m_starts[i], 0});
        i = last;
    }
    file.m_starts = std::move(starts);
    file.m_utf8 = std::move(utf8);
    file.m_widest = 0;
    for (std::size_t i = 0; i < file.m_starts.size(); ++i) {
        places[i].end = static_cast<std::uint32_t>(places[i].begin + file.line(i).size());
        file.m_widest = std::max(file.m_widest, file.line(i).size());
    }
    file.m_places = std::move(places);
    return file;
}

const char *const kRathenaYamlForm = "rAthena's YAML database (Header:, Body:)";
const char *const kHerculesForm = "a libconfig database (a list of groups, as Hercules writes it)";

const char *otherFormOf(const DatabaseFile &file)
{
    bool header = false, body = false, group = false;
    for (std::size_t i = 0; i < file.lines(); ++i) {
        const std::string_view line = file.line(i);
        // A line of the text layouts or a dump's row has tens of commas (a
        // YAML comment may, too).
        if (line.substr(0, 1) != "#" && std::count(line.begin(), line.end(), ',') >= 20)
            return nullptr;
        const std::string_view key = line.substr(0, line.find_first_of(" \t#"));
        header = header || key == "Header:";
        // Its Body, or the Type its Header names (an import file's template
        // may hold no Body yet).
        const std::size_t type = line.find_first_not_of(" \t");
        body = body || key == "Body:" ||
               (type != std::string_view::npos && type > 0 && line.substr(type, 5) == "Type:" &&
                line.find("_DB") != std::string_view::npos);
        // "mob_db: (" or "item_db = (": a libconfig list of groups.
        const std::size_t name = line.find("_db");
        if (name != std::string_view::npos && name > 0 && line.front() != ' ' &&
            line.front() != '\t') {
            std::string_view rest = line.substr(name + 3);
            rest.remove_prefix(std::min(rest.size(), rest.find_first_not_of(" \t")));
            if (!rest.empty() && (rest.front() == ':' || rest.front() == '=')) {
                rest.remove_prefix(1);
                rest.remove_prefix(std::min(rest.size(), rest.find_first_not_of(" \t")));
                group = group || (!rest.empty() && rest.front() == '(');
            }
        }
    }
    if (header && body)
        return kRathenaYamlForm;
    if (group)
        return kHerculesForm;
    return nullptr;
}

bool looksLikeUtf16(std::string_view bytes)
{
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")
        return true;
    const std::string_view head = bytes.substr(0, 4096);
    if (head.size() < 4)
        return false;
    std::size_t even = 0, odd = 0;
    for (std::size_t i = 0; i < head.size(); ++i)
        (i % 2 ? odd : even) += head[i] == '\0';
    // ASCII text in UTF-16 has a NUL in every other byte; binary junk with a few
    // NULs here and there is listed as it is.
    const std::size_t half = head.size() / 2;
    return even * 10 >= half * 9 || odd * 10 >= half * 9;
}

bool haveRoomFor(std::size_t bytes)
{
    // Asked for and given back at once, never touched; kept in a volatile so
    // that the compiler cannot leave the request out.
    void *volatile room = ::operator new(bytes + 1, std::nothrow);
    if (!room)
        return false;
    ::operator delete(room);
    return true;
}

const LegacyEncoding &chooseEncoding(const DatabaseFile &file, const LegacyEncoding *preferred,
                                     const FitsEncoding &fits)
{
    if (preferred && fits) {
        bool fit = true;
        for (std::size_t i = 0; fit && i < file.lines(); ++i)
            fit = file.isUtf8(i) || fits(file.line(i), *preferred);
        if (fit)
            return *preferred;
    }
    return file.legacyEncoding() ? *file.legacyEncoding() : latin1();
}

ReadResult readDatabaseFile(const std::string &nativePath, DatabaseFile &file,
                            const ReadProgress &progress)
{
    file = DatabaseFile();
    std::string bytes;
    ReadResult read = readFile(nativePath, bytes, progress);
    if (read.status != ReadStatus::Done)
        return read;
    if (looksLikeUtf16(bytes))
        return {ReadStatus::Unsupported, 0};
    try {
        file = DatabaseFile(std::move(bytes));
    } catch (const std::bad_alloc &) {
        return {ReadStatus::TooLarge, ENOMEM};
    }
    return {};
}

} // namespace grimlark
