// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "EntryLoader.h"
#include "KeyedText.h"
#include "MonsterEntry.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grimlark {

class ItemDatabase;

/// Where an entry overrides one of its Id that rAthena reads before it (an
/// import file's): that entry, and what of this one's lands where.
struct YamlOverride {
    std::shared_ptr<const MonsterEntry> base; ///< its JapaneseName given, as rAthena holds it
    std::string where;                        ///< that entry, in words, for the user
    /// The Mode bits this entry's Modes are set and cleared from where it
    /// gives no Ai of its own: that entry's, before its Class adds any.
    std::optional<long long> modeFrom;
    /// The slot each of this entry's drops came to, by list (drops, MVP
    /// drops); kSkipped where rAthena skipped it.
    std::array<std::vector<std::size_t>, 2> landed;
    /// How many drops each list held once this entry's were added.
    std::array<std::size_t, 2> held{};
    static constexpr std::size_t kSkipped = std::size_t(-1);
};

/// A monster of rAthena's YAML database as the file wrote it: its map, the
/// map of each drop by slot (those past the slots kept whole), its line end.
struct YamlEntryText {
    MapText entry;
    std::vector<std::optional<MapText>> drops, mvpDrops;
    std::string lineEnd = "\n";
    /// Its Ai and Class as written (their defaults where it gives none): a
    /// changed Mode keeps them while it can, and says the rest under Modes.
    std::string ai = "06", monsterClass = "Normal";
    /// Set where it is loaded as an override of an entry read before it.
    std::optional<YamlOverride> overrides;
};

/// True when `text` looks like a YAML monster entry ("- Id: 1001", or
/// "Id: 1001" on a line of its own) rather than a line of a text layout.
bool isYamlEntry(std::string_view text);

/// Loads a monster entry of rAthena's YAML database (its lines, as the file
/// holds them) into `entry`, all or nothing, as rAthena reads it: the keys
/// to their boxes, the Mode number from Ai, Modes and Class, what no box
/// holds carried with the monster and written back as it stands. What
/// rAthena ignores or reads otherwise (an unknown key, a key in the wrong
/// case, an unknown constant) is said in the notes.
LoadResult loadYamlEntry(std::string_view text, MonsterEntry &entry);

/// Loads `text`, an entry whose Id an entry rAthena reads before it holds
/// (`base`, as its file holds it, `where` in words), as rAthena resolves the
/// two: that entry, this one's keys over it, its drops added after that
/// one's or put at their Index. Generating it writes this entry's own keys,
/// and the others only where they differ from that entry's. Where `base`
/// cannot be read, `text` loads as a monster of its own, and a note says so.
LoadResult loadYamlOverride(std::string_view text, std::string_view base, std::string_view where,
                            MonsterEntry &entry);

/// The Id of a YAML entry as written ("- Id: 1002" gives 1002), or empty.
std::string yamlEntryId(std::string_view text);

/// The entry's YAML lines, without a line end after the last (see
/// withoutTrailingBlankLines): a monster
/// loaded from YAML and left as it was comes back byte for byte; a changed
/// one changes the keys whose values changed; any other one is written in
/// rAthena's own style (its key order, the defaults left out).
std::string writeYamlEntry(const MonsterEntry &entry);

/// Makes `entry` a monster of `target`, as it means the same there: YAML's
/// Name is the English (iRO) name and its JapaneseName the kRO name, where
/// the layouts of three names have them the other way round; a classic
/// monster going to rAthena's Modes of 2016 gains Detector where it is an
/// Insect or a Demon (the classic servers let those detect) and Mvp where it
/// gives MVP experience.
void moveIntoLayout(MonsterEntry &entry, Layout target);

/// Turns the drops' items into what `target` names them by: an AegisName in
/// rAthena's YAML, an ID in the text layouts; the item is looked for in
/// `first`, then in `then` (either may be null). A drop whose item is found
/// in neither is left as it stands.
void translateDrops(MonsterEntry &entry, Layout target, const ItemDatabase *first,
                    const ItemDatabase *then);

/// Where rAthena reads `entry` as an override of an entry of its ID read
/// before (an import file's), what its drops do there: without an Index each
/// is added to that entry's drops (past 10 skipped), not put in place of
/// one. Empty where every drop gives an Index, or there is none.
std::string overrideWarning(const MonsterEntry &entry);

/// What `items` says of the drops' items: an ID or a name it has no item
/// for (rAthena's YAML reader skips such a drop). One sentence each.
std::vector<std::string> itemWarnings(const MonsterEntry &entry, const ItemDatabase &items);

/// What the item in a drop's box is, for its tool tip ("909: Jellopy
/// (Jellopy)"), or empty where `items` has none.
std::string itemTip(std::string_view text, const ItemDatabase &items);

/// What a conversion of `entry` into `target` loses of its YAML: the keys
/// no text layout holds, the Mode bits YAML has no name for, a drop named
/// by its item where a number must stand. One sentence each.
std::vector<std::string> yamlLosses(const MonsterEntry &entry, Layout target);

/// The monster as its YAML entry (or Hercules group) holds it: the drops a
/// list, so those of the boxes in order, the empty boxes after them; in
/// YAML an HP or SP of 0 as 1, which rAthena stores for either (and its
/// style leaves out).
void asYamlHoldsIt(MonsterEntry &entry);

/// The keys of an entry that no box holds and the entry carries as written
/// (RaceGroups, DamageTaken, ...), in its order.
std::vector<std::string> carriedKeysOf(const YamlEntryText &source);

/// What the entry carries that no box shows ("Also in this entry: Class
/// Guardian; RaceGroups; ..."), or empty.
std::string alsoInThisEntry(const MonsterEntry &entry);

} // namespace grimlark
