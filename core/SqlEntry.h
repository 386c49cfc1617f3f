// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "MonsterEntry.h"
#include "ServerRules.h"

#include <string>

namespace grimlark {

/// The monster for the servers' SQL table `mob_db`, whose 57 columns are the
/// 57 fields of the text entry, as two statements on two lines: "DELETE FROM
/// `mob_db` WHERE `ID`=...;" and "INSERT INTO `mob_db` VALUES (...);" with the
/// same values as the text entry, so that it updates the monster in every
/// server's table, with a key or (Freya's) without. A value that is a plain
/// integer is written as a number, any other as a string literal that the
/// server stores byte for byte and that means the same with or without
/// NO_BACKSLASH_ESCAPES: printable ASCII without a backslash in quotes,
/// anything else (non-ASCII, control characters, backslashes) in hexadecimal
/// (X'...'), so that no text can end the literal or depend on the connection's
/// character set. When fields hold text where the table wants a number, a
/// comment line above the statements names them (by name: never a value).
/// `names`, when given, are the names in the bytes the server's table holds.
/// A monster of the later eAthena layout gets that layout's 58-column table
/// (`Sprite`, `kName`, `iName` first, the MVP fields before the drops).
std::string BuildSqlEntry(const MonsterEntry &entry, const NameBytes *names = nullptr);

} // namespace grimlark
