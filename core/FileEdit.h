// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "Layout.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace grimlark {

/// How the lines of a file end: its first line end ("\n" where it has
/// none), and whether another kind ends some of its lines too.
struct LineEnds {
    std::string_view end = "\n";
    bool mixed = false;
};
LineEnds lineEndsOf(std::string_view bytes);

/// `record` with each of its line ends (LF, CRLF or a lone CR) as `end`.
std::string withLineEnds(std::string_view record, std::string_view end);

/// `file` with the bytes from `begin` to `end` (a record's place in it) as
/// `record`, every other byte as it was.
std::string withSpanReplaced(std::string_view file, std::size_t begin, std::size_t end,
                             std::string_view record);

/// A file with a record added: its bytes, and where the record begins in them.
struct Addition {
    std::string bytes;
    std::size_t at = 0;
};

/// `file`, a database of `kind`, with `record` (its lines ended by `lineEnd`)
/// as its last monster: after the last line of a text file or a dump, after
/// the last entry of a YAML database's Body (a Body made where it has none),
/// or before the `)` that closes a libconfig database's list, with the comma
/// the group before it needs. The lines of a YAML entry are indented as the
/// file's last entry is. Nothing, and `why` says why, where the file has no
/// place for it (a libconfig file without its list).
std::optional<Addition> withRecordAdded(std::string_view file, FileKind kind,
                                        std::string_view record, std::string_view lineEnd,
                                        std::string &why);

} // namespace grimlark
