// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "core/DatabaseFile.h"
#include "core/Layout.h"

#include <functional>
#include <string>

namespace grimlark::ui {

/// A database file as every part of Grimlark reads it (the browser, --check,
/// --convert, the real-files report): its lines, the encoding chosen for
/// those that are not UTF-8, and whether it is an SQL dump (whose statements
/// of several rows are then listed a row a line, each keeping its line).
struct ReadDatabase {
    ReadResult result;
    DatabaseFile file;
    const LegacyEncoding *encoding = nullptr; ///< for its lines that are not UTF-8
    bool dump = false; ///< its statements are the monsters (more of them than text lines)
    /// What the file is: text lines, a dump, rAthena's YAML database or
    /// Hercules' libconfig one (a record a monster, of several lines).
    FileKind kind = FileKind::Text;

    /// The encoding its names are in: null where every line is UTF-8.
    const LegacyEncoding *namesEncoding() const { return namesEncodingOf(file, encoding); }
    /// Line `i` as UTF-8 text.
    std::string text(std::size_t i) const;
};

/// How the bytes are read: readDatabaseFile, or a test's stand-in.
using ReadBytes = std::function<ReadResult(const std::string &nativePath, DatabaseFile &file,
                                           const ReadProgress &progress)>;

/// Reads the file at `nativePath` with `read`, chooses the encoding of its
/// lines that are not UTF-8 (decoding each of them: on a worker thread for a
/// window) and tells whether it is a dump. On any failure only `result` is
/// set.
ReadDatabase readDatabase(const std::string &nativePath, const ReadBytes &read = readDatabaseFile,
                          const ReadProgress &progress = {});

} // namespace grimlark::ui
