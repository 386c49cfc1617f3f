// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "Record.h"

#include <string>
#include <string_view>
#include <vector>

namespace grimlark {

/// The temporary table SQL Entry stores its row in before it replaces the
/// monster's rows (see BuildSqlEntry): its INSERT is the monster, in a dump too.
inline constexpr std::string_view kStagingTable = "grimlark_mob";

/// True when the line is an SQL statement that adds rows (INSERT or REPLACE),
/// rather than a text entry.
bool isSqlStatement(std::string_view line);

/// Why a statement is not one row of the monster table.
enum class SqlFault {
    None,
    NotAStatement,  ///< not INSERT or REPLACE
    NoInto,         ///< no INTO after it
    UnclosedName,   ///< a `quoted` table name without its closing quote
    OtherTable,     ///< into another table than mob_db or mob_db2
    NoValues,       ///< names its columns, or has no VALUES
    NoParenthesis,  ///< VALUES not followed by "("
    BadValue,       ///< a NULL, an expression, a malformed number or an unclosed text
    UnclosedValues, ///< the values not closed by ")"
    SeveralRows,    ///< more than one row
    TrailingText,   ///< something other than a comment after the statement
    TooManyValues,  ///< more values than any layout's table has columns
};

/// The values of a one-row INSERT or REPLACE statement for the table `mob_db`
/// or `mob_db2`, as the server would store them (quotes and escapes undone the
/// way dumps write them, with backslash escapes; hexadecimal literals as their
/// bytes; numbers as written), or why it is not one. Values are SQL's own: a
/// quoted text, X'..' or 0x.. bytes, or a number `[-+]digits[.digits][e[-+]digits]`;
/// anything else (NULL, a word, an expression) is refused.
struct SqlRow {
    std::vector<std::string> values;
    /// For each value, its text where it was a 0x literal ("0x3195", a number
    /// where the column is one), else empty.
    std::vector<std::string> hexNumbers;
    SqlFault fault = SqlFault::None;
};
SqlRow parseSqlRow(std::string_view line);

/// The rows of a statement that adds several (mysqldump's default writes many
/// a statement), each as a statement of its own: the statement's head up to
/// VALUES, that row and ";", beside the span of the row's parentheses in the
/// line. Empty unless the line is such a statement, with two rows or more,
/// each well formed; its one row, or its fault, is then parseSqlRow's to tell.
std::vector<RecordCut> splitSqlRows(std::string_view line);

/// Why a statement is not one row of the monster table, in a sentence.
const char *sentenceFor(SqlFault fault);

} // namespace grimlark
