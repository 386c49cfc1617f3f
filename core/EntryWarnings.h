// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "MonsterEntry.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace grimlark {

/// Where an ID already stands in an open file, in words ("ID 1002 is PORING,
/// mob_db.txt line 327"), or nothing.
using IdLookup = std::function<std::optional<std::string>(const std::string &id)>;

/// What the server will not take as meant in the line that `entry` generates,
/// one sentence a finding, in field order: no Scale, Race or Element selected
/// (written as -1), text where the server reads a number, a comma in a text
/// box (the line gets more fields), "//" in a value (the line reads back as a
/// comment), and the ID already in an open file (`lookup`). Empty when the
/// line is as meant. Never changes the line.
std::vector<std::string> entryWarnings(const MonsterEntry &entry, const IdLookup &lookup = {});

} // namespace grimlark
