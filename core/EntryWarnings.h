// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "CodeTables.h"
#include "MonsterEntry.h"
#include "ServerRules.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grimlark {

/// Where an ID already stands in an open file, in words ("ID 1002 is "PORING",
/// mob_db.txt line 327"), or nothing.
using IdLookup = std::function<std::optional<std::string>(const std::string &id)>;

/// Which of the two generated forms is judged.
enum class Output { Text, Sql };

/// What the servers will not take as meant in the line (or statement) that
/// `entry` generates, one sentence a finding: no Scale, Race or Element
/// selected (written as -1), a comma in a text box (the line gets more
/// fields), a line that begins with "//" (the servers skip it), what Freya's
/// and eAthena's readers store otherwise than the line says (see
/// textFindings and sqlFindings; each as "Field: sentence"), and the ID
/// already in an open file (`lookup`). `names` are the names in the server's
/// bytes (null: as the entry holds them, UTF-8). Empty when the line is as
/// meant. Never changes the line.
std::vector<std::string> entryWarnings(const MonsterEntry &entry, const IdLookup &lookup = {},
                                       Output output = Output::Text,
                                       const NameBytes *names = nullptr);

/// Where `row` (a line or a statement's row that Grimlark wrote for `written`)
/// does not load back as that monster: the refusal, or the fields it loads
/// otherwise, as a sentence; nothing where it loads back whole. `written`
/// holds the names in the bytes the row has them in.
std::optional<std::string> readsBackOtherwise(const MonsterEntry &written, std::string_view row);

/// The lists with nothing selected (Scale, Race, Element): the line says -1
/// there, which the servers do not read as one.
std::vector<const CodeList *> unselectedLists(const MonsterEntry &entry);

/// The findings as the warnings show them: "Field: sentence".
std::string describe(const Finding &finding);

} // namespace grimlark
