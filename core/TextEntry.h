// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "FieldTable.h"
#include "MonsterEntry.h"

#include <string>

namespace grimlark {

/// The 57-field database line for an entry: texts exactly as held, list positions
/// in decimal ("-1" for none), the element code and the Mode sum, joined by single
/// commas with no terminator. Never fails; nothing is checked or trimmed.
std::string BuildTextEntry(const MonsterEntry &entry);

/// Appends the value that `field` has in a text entry of `entry`: a text as
/// typed, a list position, the element code or the Mode sum. The text entry and
/// the SQL statement write the same values.
void appendFieldValue(std::string &out, const FieldInfo &field, const MonsterEntry &entry);

} // namespace grimlark
