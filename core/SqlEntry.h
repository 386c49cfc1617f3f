// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "MonsterEntry.h"

#include <string>
#include <string_view>
#include <vector>

namespace grimlark {

/// The monster as one statement for the servers' SQL table `mob_db`, whose 57
/// columns are the 57 fields of the text entry: "REPLACE INTO `mob_db` VALUES
/// (...);", the same values as the text entry writes. A value that is a plain
/// integer is written as a number, any other as a string literal that the
/// server stores byte for byte and that means the same with or without
/// NO_BACKSLASH_ESCAPES: printable ASCII without a backslash in quotes,
/// anything else (non-ASCII, control characters, backslashes) in hexadecimal
/// (X'...'), so that no text can end the literal or depend on the connection's
/// character set. When fields hold text where the table wants a number, a
/// comment line above the statement names them (by caption: never a value).
std::string BuildSqlEntry(const MonsterEntry &entry);

/// True when the line is an SQL statement that adds rows (INSERT or REPLACE),
/// rather than a text entry.
bool isSqlStatement(std::string_view line);

/// The values of a one-row INSERT or REPLACE statement for the table `mob_db`
/// or `mob_db2`, as the server would store them (quotes and escapes undone the
/// way dumps write them, with backslash escapes; numbers as written), or the
/// reason it is not one.
struct SqlRow {
    std::vector<std::string> values;
    std::string fault; ///< a sentence; empty when `values` holds the row
};
SqlRow parseSqlRow(std::string_view line);

} // namespace grimlark
