// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "MonsterEntry.h"

#include <string>

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
/// comment line above the statement names them (by its name: never a value).
std::string BuildSqlEntry(const MonsterEntry &entry);

} // namespace grimlark
