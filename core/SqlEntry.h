// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "MonsterEntry.h"
#include "ServerRules.h"

#include <string>
#include <string_view>

namespace grimlark {

/// The monster for the servers' SQL table `mob_db`, whose 57 columns are the
/// 57 fields of the text entry, as three lines: the row goes into a temporary
/// copy of the table (`grimlark_mob`, "INSERT INTO `grimlark_mob` VALUES
/// (...);" on the middle line), and only a row stored there replaces the rows
/// of its ID in `mob_db`. So a server in strict mode that refuses a value
/// leaves the monster's old row in place, and the ID deleted is the ID stored,
/// in every server's table, with a key or (Freya's) without. A value that is
/// a plain integer is written as a number, any other as a string literal that
/// the server stores byte for byte and that means the same with or without
/// NO_BACKSLASH_ESCAPES: printable ASCII without a backslash in quotes,
/// anything else (non-ASCII, control characters, backslashes) in hexadecimal
/// (X'...'), so that no text can end the literal or depend on the connection's
/// character set. When fields hold text where the table wants a number, a
/// comment line above the statements names them (by name: never a value).
/// `names`, when given, are the names in the bytes the server's table holds.
/// A monster of the later eAthena layout gets that layout's 58-column table
/// (`Sprite`, `kName`, `iName` first, the MVP fields before the drops).
std::string BuildSqlEntry(const MonsterEntry &entry, const NameBytes *names = nullptr);

/// The line of BuildSqlEntry's statements that holds the row (its INSERT).
std::string_view rowOf(std::string_view sqlEntry);

} // namespace grimlark
