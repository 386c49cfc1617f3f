// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "FieldTable.h"
#include "MonsterEntry.h"

#include <string>

namespace grimlark {

/// The database line for an entry, in its layout (the classic 57 fields, or the
/// later eAthena 58 with the other name it carries, JName again when none):
/// texts exactly as held, list positions in decimal ("-1" for none), the
/// element code and the Mode, joined by single commas with no terminator.
/// Never fails; nothing is checked or trimmed.
std::string BuildTextEntry(const MonsterEntry &entry);

/// The Mode: the boxes' sum and the flags carried above them.
int modeValue(const MonsterEntry &entry);
/// The Mode as a line writes it: decimal, or hexadecimal where the loaded line
/// had it so (its own text while the value is unchanged).
std::string modeText(const MonsterEntry &entry);

/// The Element field as written: the code as the loaded line had it while the
/// lists mean the same, otherwise as elementCode writes it.
std::string elementText(const MonsterEntry &entry);
/// The later layout's iROName: the carried one, or JName.
std::string otherNameOf(const MonsterEntry &entry);

/// What the monster carries that no box shows, in a sentence ("Also in this
/// line: iRO name "Poring"; Mode flags 0x1000."), or empty.
std::string alsoInThisLine(const MonsterEntry &entry);

/// Appends the value that `field` has in a text entry of `entry`: a text as
/// typed, a list position, the element code or the Mode sum. The text entry and
/// the SQL statement write the same values.
void appendFieldValue(std::string &out, const FieldInfo &field, const MonsterEntry &entry);

} // namespace grimlark
