// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "Yaml.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace grimlark {

/// One monster of rAthena's YAML database: an item of its Body, the lines it
/// spans (from 1: its "- Id:" line to the line of its last value) and the
/// keys that name it.
struct YamlMonster {
    std::size_t item;                ///< its place in the Body
    std::size_t firstLine, lastLine; ///< counted from 1
    std::string id, aegisName, name; ///< as written; empty where not given
};

/// rAthena's YAML monster database (db/*/mob_db.yml) as its server takes the
/// file's frame: a map of a Header (`Type: MOB_DB`, `Version:` 1 to 5; a later
/// version it refuses), a Body (the monsters, a list) and an optional Footer.
struct RathenaMobDb {
    enum class Fault { None, NotYaml, NotAMap, NoHeader, OtherType, LaterVersion, NoBody };
    Fault fault = Fault::None;
    YamlDocument document;
    std::string type;      ///< the Header's Type
    long long version = 0; ///< the Header's Version
    bool clear = false;    ///< `Clear: true`: the database is emptied first
    std::vector<YamlMonster> monsters;

    /// The refusal as a clause ("it is not YAML: ... (line 3, column 1)");
    /// empty where read.
    std::string message() const;
    /// The Body's items (monster.item indexes them).
    const YamlNode *body() const { return document.root.find("Body"); }
    /// Each monster's lines, first and last, counted from 0: the records of
    /// DatabaseFile::withSpans.
    std::vector<std::pair<std::size_t, std::size_t>> lineSpans() const;
};

/// The newest Header version rAthena reads: a file of a later one it refuses
/// whole; an older one it reads with a warning.
constexpr long long kRathenaMobDbVersion = 5;

/// The frame of a monster database of rAthena's, up to its monsters.
constexpr const char *kRathenaYamlFrame = "Header:\n  Type: MOB_DB\n  Version: 5\n\nBody:\n";

/// Reads `bytes` as rAthena's monster database, or says why it is none.
RathenaMobDb readRathenaMobDb(std::string_view bytes);

/// True where rAthena reads the file at `path` after its main databases: a
/// file in a folder named "import" (db/import/mob_db.yml), whose entry of an
/// Id a main database holds changes that monster rather than being a new one.
bool readAfterTheMainDatabase(std::string_view path);

} // namespace grimlark
