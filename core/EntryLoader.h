// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "Layout.h"
#include "MonsterEntry.h"
#include "SqlDump.h"

#include <string>
#include <string_view>
#include <vector>

namespace grimlark {

/// What became of a line handed to the loader.
struct LoadResult {
    enum class Status {
        Loaded,         ///< the entry now holds the line's values
        NoLine,         ///< the empty text: no line was selected
        CommentLine,    ///< the line begins with "//", which the servers skip
        TooFewFields,   ///< fewer than 57 fields; `value` holds the count
        TooManyFields,  ///< more than 57 fields; `value` holds the count
        OtherLayout,    ///< a line of another layout of the family, `layout`
        BadStatement,   ///< an SQL statement that is not one row of mob_db; `sqlFault` says why
        NotANumber,     ///< `field` is not a number
        NotWholeNumber, ///< `field` is a number but has a fraction
        OutOfRange,     ///< `field` is a whole number outside its list or range
        BadElement,     ///< the element code does not start and end with a digit
        NotAnEntry,     ///< a YAML entry that cannot be read as a monster; `value` says why
    };

    Status status = Status::Loaded;
    std::string field; ///< the offending field's name ("Scale", "Drop 1 Rate", ...)
    std::string value; ///< the offending text, or the field count
    /// The layout an OtherLayout line is in; for TooManyFields, the likelier
    /// layout when the line has its shape (Classic when none).
    Layout layout = Layout::Classic;
    SqlFault sqlFault = SqlFault::None;
    /// What the user should know of a line that loaded: what is not carried,
    /// or read otherwise than it was written (one sentence each).
    std::vector<std::string> notes;

    bool loaded() const { return status == Status::Loaded; }

    /// A sentence for the user saying why the line was refused; empty when loaded.
    std::string message() const;
};

/// Loads one line of the classic layout (57 fields: ID,Name,JName,LV,...) into
/// `entry`, all or nothing: a line that cannot be loaded whole is refused and
/// `entry` keeps every value it had. A line of another layout of the family
/// (three names before the level, as later eAthena and rAthena write; 55
/// fields, as jAthena writes; tab-aligned fields) is refused as such, as is a
/// line of more than 57 fields. A line that is an SQL statement (INSERT or
/// REPLACE of one row into `mob_db` or `mob_db2`, as servers' SQL dumps hold
/// them) loads its 57 values in the same way. A line that begins with "//" is
/// a comment, as the servers skip it; a "//" after the last number ends the
/// line (noted); elsewhere "//" is part of a value. The result depends on the
/// line alone, never on what `entry` held.
LoadResult LoadEntryIntoEditor(std::string_view line, MonsterEntry &entry);

/// The layout a line (or a statement's row) looks to be in, by its shape alone,
/// without loading it: the classic one where nothing else is certain.
Layout layoutOfLine(std::string_view line);

} // namespace grimlark
