// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "EntryLoader.h"
#include "KeyedText.h"
#include "MonsterEntry.h"

#include <array>
#include <memory>
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
    /// Where the group inherits a monster read before it (`Inherit: true`):
    /// that monster, its JName given, as Hercules holds it.
    std::shared_ptr<const MonsterEntry> base;
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

/// Loads `text`, a group with `Inherit: true` whose Id a monster Hercules
/// reads before it holds (`base`, as its file holds it; `where` in words),
/// as Hercules makes the two: that monster, this group's settings over it (a
/// Mode group sets the modes anew, a Drops group replaces the drops slot by
/// slot). Generate writes this group's settings, and the others only where
/// they differ from that monster's. Where `base` does not load, `text` loads
/// as a monster of its own, and a note says so.
LoadResult loadHerculesInherit(std::string_view text, std::string_view base, std::string_view where,
                               MonsterEntry &entry);

/// The Id of a group as written ("Id: 1002" gives 1002), or empty.
std::string configEntryId(std::string_view text);

/// True where the group says `Inherit: true`.
bool inheritsItsId(std::string_view text);

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
