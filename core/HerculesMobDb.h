// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "Libconfig.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace grimlark {

/// One monster of Hercules' database: a group of its list, the lines it
/// spans (from 1: its "{" line to its "}" line) and the settings that name it.
struct ConfigMonster {
    std::size_t firstLine = 0, lastLine = 0; ///< counted from 1
    std::string id, spriteName, name;        ///< as written; empty where not given
};

/// Hercules' monster database (db/*/mob_db.conf, db/mob_db2.conf) as its
/// server takes the file: a setting `mob_db` holding a list of groups, one a
/// monster; no header.
struct HerculesMobDb {
    enum class Fault { None, NotLibconfig, NoList, NotAGroup };
    Fault fault = Fault::None;
    ConfigDocument document;
    std::vector<ConfigMonster> monsters;

    /// The refusal as a clause ("it is not libconfig: ... (line 3, column
    /// 1)"); empty where read.
    std::string message() const;
    /// Each monster's lines, first and last, counted from 0, those that
    /// share a line joined: the records of DatabaseFile::withSpans.
    std::vector<std::pair<std::size_t, std::size_t>> lineSpans() const;
};

/// Reads `bytes` as Hercules' monster database, or says why it is none.
HerculesMobDb readHerculesMobDb(std::string_view bytes);

} // namespace grimlark
