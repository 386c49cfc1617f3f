// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "FileReader.h"
#include "LegacyEncoding.h"
#include "Record.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace grimlark {

/// The size of some bytes and a 64-bit hash of them: two versions of a file
/// that differ, differ here but by a chance of one in 2^64.
struct Fingerprint {
    std::uint64_t size = 0, hash = 0;
    bool operator==(Fingerprint other) const { return size == other.size && hash == other.hash; }
    bool operator!=(Fingerprint other) const { return !(*this == other); }
};
Fingerprint fingerprintOf(std::string_view bytes);

/// A database file held in memory and cut into lines, as the browser lists it.
/// The bytes are kept as read, terminators and all, beside 4 bytes and one bit a
/// line, so a file is held once. Line positions are 32 bits: files are at most
/// kMaxFileBytes.
class DatabaseFile {
public:
    DatabaseFile() = default;
    /// Cuts `bytes` into lines as splitLines does; a UTF-8 byte-order mark at the
    /// very start belongs to the file, not to its first line. Throws
    /// std::bad_alloc when the line positions cannot be held.
    explicit DatabaseFile(std::string bytes);

    std::size_t lines() const { return m_starts.size(); }
    /// Line `i` without its terminator, as the file's bytes.
    std::string_view line(std::size_t i) const;
    /// True when line `i` is well-formed UTF-8 (tested once, when the file is cut).
    bool isUtf8(std::size_t i) const { return m_utf8[i]; }
    /// The encoding that the file's other lines look to be in (detected once,
    /// from those lines alone), or null when it could not be told.
    const LegacyEncoding *legacyEncoding() const { return m_legacy; }
    /// True when every line is well-formed UTF-8 (an ASCII file among them).
    bool allUtf8() const { return m_allUtf8; }
    /// The length in bytes of the longest line.
    std::size_t widest() const { return m_widest; }
    /// Where record `i` (line `i`) stands in the file as read: its own line
    /// and bytes, unless statements were set apart into their rows
    /// (withRowsApart), when it is the row's line and the row's bytes there.
    RecordPlace place(std::size_t i) const;
    /// The line of the file as read that record `i` is on, counted from 0.
    std::size_t sourceLine(std::size_t i) const { return m_places.empty() ? i : m_places[i].line; }

    /// `file` with each of its lines that `split` cuts into records (an SQL
    /// statement of several rows) as that many lines, each keeping its place
    /// in the file; `file` itself where `split` cuts none. Throws
    /// std::bad_alloc when the records cannot be held.
    static DatabaseFile
    withRowsApart(DatabaseFile file,
                  const std::function<std::vector<RecordCut>(std::string_view)> &split);

    /// `file` with the lines of each span (first and last line, from 0, in
    /// order, apart) as one record of several lines, which keeps its line
    /// ends but the last; every other line a record of its own.
    static DatabaseFile withSpans(DatabaseFile file,
                                  const std::vector<std::pair<std::size_t, std::size_t>> &spans);
    /// The file's bytes as read.
    std::string_view bytes() const { return m_bytes; }
    /// What tells the file as read from any other version of it (a dump's
    /// rows set apart keep the file's): a file is saved into only while it
    /// still holds what was listed.
    const Fingerprint &fingerprint() const { return m_fingerprint; }

private:
    std::string m_bytes;
    std::vector<std::uint32_t> m_starts; ///< where each line begins in m_bytes
    /// Empty, or each record's place in the file read (32 bits each, as the
    /// line starts: files are at most kMaxFileBytes).
    struct Place {
        std::uint32_t line, begin, end;
    };
    std::vector<Place> m_places;
    std::vector<bool> m_utf8;
    const LegacyEncoding *m_legacy = nullptr;
    Fingerprint m_fingerprint;
    std::size_t m_widest = 0;
    bool m_allUtf8 = true;
};

/// Reads the file at `nativePath` (see readFile) and cuts it into lines. Besides
/// readFile's failures: Unsupported for UTF-16 text, which is not a database
/// file of one byte a character; TooLarge (ENOMEM) when the lines cannot be
/// held. On any failure `file` is left empty.
ReadResult readDatabaseFile(const std::string &nativePath, DatabaseFile &file,
                            const ReadProgress &progress = {});

/// True when every byte of a line is part of a character of the encoding: the
/// system's converter tells, so the caller supplies the test.
using FitsEncoding = std::function<bool(std::string_view line, const LegacyEncoding &)>;

/// The encoding to read the lines of `file` that are not UTF-8 in: `preferred`
/// (the system's code page, as the old program read files) when every such line
/// fits it, otherwise the one their bytes look to be in, otherwise Latin-1.
const LegacyEncoding &chooseEncoding(const DatabaseFile &file, const LegacyEncoding *preferred,
                                     const FitsEncoding &fits);

/// The encoding the names of `file` are in, as the server holds them: the
/// encoding its lines that are not UTF-8 are read in, null (UTF-8) where
/// every line is UTF-8.
inline const LegacyEncoding *namesEncodingOf(const DatabaseFile &file,
                                             const LegacyEncoding *encoding)
{
    return file.allUtf8() ? nullptr : encoding;
}

/// What `file` is where it is a database of a form whose records are no lines
/// ("rAthena's YAML database (Header:, Body:)", "a libconfig database (a
/// list of groups, as Hercules writes it)"), or null: a file of such a form
/// that holds no line of the text layouts is refused as a whole, not line by
/// line.
const char *otherFormOf(const DatabaseFile &file);
/// What otherFormOf says of rAthena's YAML database, which is read.
extern const char *const kRathenaYamlForm;
/// What it says of Hercules' libconfig database, which is read.
extern const char *const kHerculesForm;

/// True when `bytes` more could be had now. Code that cannot fail half-way
/// once begun (a list laying out its rows, a window showing a huge field: Qt's
/// widgets end the program when memory runs out) asks first.
bool haveRoomFor(std::size_t bytes);

/// True when `bytes` look like UTF-16 text: a UTF-16 byte-order mark, or, in the
/// first few kilobytes, a NUL in most of the even or most of the odd positions.
bool looksLikeUtf16(std::string_view bytes);

} // namespace grimlark
