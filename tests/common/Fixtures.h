// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "core/MonsterEntry.h"

#include <string>
#include <string_view>
#include <vector>

namespace grimlark::test {

using grimlark::startupEntry; // the editor's own start-up values

/// Where the fields that tests name stand in a line (counted from 0).
enum Field : int {
    kID = 0,
    kName = 1,
    kJName = 2,
    kLvl = 3,
    kScale = 21,
    kRace = 22,
    kElement = 23,
    kMode = 24,
    kSpeed = 25,
    kDMotion = 28,
    kDropID1 = 29,
    kDrop1Per = 30,
    kLastField = 56,
};

/// The line of tests/data/mob_db.txt whose ID is `id` (without its line break).
std::string sampleLine(std::string_view id);

/// The 57 fields of a line.
std::vector<std::string> splitFields(const std::string &line);

/// A line of 57 fields, all "0" but those given by number.
std::string lineWith(const std::vector<std::pair<int, std::string>> &fields);

/// Texts that an SQL statement must carry exactly and that must end no
/// literal: quotes, backslashes, NUL, line breaks, comment and statement
/// marks, Japanese, an emoji, bytes that are not UTF-8, a number with a leading
/// zero, and the empty text.
extern const std::vector<std::string> kHostileTexts;

/// Names in a legacy encoding: `names` in that encoding, ';' between them.
struct LegacyFixture {
    const char *encoding;  ///< the label of the encoding (LegacyEncoding::label)
    const char *names;     ///< in that encoding
    const char *firstName; ///< the first of them in UTF-8
};
extern const LegacyFixture kLegacyFixtures[5];

/// A database file (CRLF) of one classic line a name, the name as JName.
std::string legacyFile(const LegacyFixture &fixture);

} // namespace grimlark::test
