// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "EntryLoader.h"
#include "KeyedText.h"
#include "MonsterEntry.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace grimlark {

/// A monster of Hercules' database as the file wrote it: its group, key by
/// key, and what of its drops no box holds.
struct ConfigEntryText {
    MapText entry;
    std::string lineEnd = "\n";
    /// Each drop box's option group ("Option Drop Group" of `(rate, "...")`),
    /// by slot; empty for none.
    std::array<std::string, 10> dropOptions;
    std::array<std::string, 3> mvpOptions;
    /// The drops past the boxes, as written ("Apple: 100"): Hercules warns
    /// of them and reads none; a Drops group written anew keeps them.
    std::vector<std::string> dropsPast, mvpDropsPast;
};

/// True when `text` looks like a monster group of Hercules' database ("{"
/// on a line of its own, then its settings) rather than a line of a text
/// layout.
bool isConfigEntry(std::string_view text);

/// Loads a monster group of Hercules' database into `entry`, all or
/// nothing, as Hercules reads it: the settings to their boxes, its defaults
/// where one is absent, what no box holds carried and written back as it
/// stands. What Hercules ignores or reads otherwise (an unknown setting, a
/// constant it does not define, a negative number) is said in the notes.
LoadResult loadHerculesEntry(std::string_view text, MonsterEntry &entry);

/// The monster's group, without a line end after its last line: loaded and
/// left as it was, byte for byte; changed, the settings whose values changed;
/// any other monster in Hercules' own style (tabs, every setting its files
/// write, in their order).
std::string writeHerculesEntry(const MonsterEntry &entry);

/// What the entry carries that no box shows ("Also in this group: JName
/// "...", RaceGroup, ..."), or empty.
std::string alsoInThisGroup(const MonsterEntry &entry);

/// The settings of a group that no box holds (RaceGroup, ViewData, ...,
/// a drop's option group), in words ("RaceGroup, ViewData"), or empty.
std::string settingsNoBoxHolds(const ConfigEntryText &source);

/// The frame of Hercules' monster database, around its groups.
constexpr const char *kHerculesFrameStart = "mob_db: (\n";
constexpr const char *kHerculesFrameEnd = ")\n";

} // namespace grimlark
