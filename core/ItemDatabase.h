// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "Layout.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace grimlark {

/// One item of a server's item database: what a drop names it by.
struct Item {
    long long id = 0;
    std::string aegisName, name;
};

/// The items of a server, as its monsters' drops find them: by ID, and by
/// AegisName or display name without regard to case (as rAthena and eAthena
/// look a name up). Files read later override the items of earlier ones.
class ItemDatabase {
public:
    /// Adds `item`, replacing one of its ID. An AegisName another ID holds
    /// already is refused (false), as rAthena refuses the item.
    bool add(Item item);

    const Item *byId(long long id) const;
    const Item *byAegisName(std::string_view name) const;
    const Item *byName(std::string_view name) const;
    /// The item a drop's text names: an ID, else an AegisName, else a
    /// display name; null where none.
    const Item *named(std::string_view text) const;
    /// Up to `most` items whose AegisName or name begins with `typed` (any
    /// case), by ID.
    std::vector<const Item *> beginningWith(std::string_view typed, std::size_t most) const;

    /// Every item, by ID.
    std::vector<const Item *> all() const;

    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }

private:
    std::unordered_map<long long, Item> m_items;
    std::unordered_map<std::string, long long> m_aegis, m_names; ///< lower-cased
};

/// What reading an item file gave: the items added, or why none.
struct ItemFileRead {
    bool read = false;
    std::size_t items = 0;
    std::string problem; ///< a clause, with its line where it has one
};

/// The item databases a server reads beside its monster database at
/// `nativePath` (the platform's own file name, as readFile takes it):
/// rAthena's `item_db*.yml` in the same folder, by name, and
/// `../import/item_db.yml` beside a YAML one; eAthena's and Freya's
/// `item_db.txt` and `item_db2.txt` beside a text one. Only those that
/// exist, in the order the server reads them. Touches the disk, so a window
/// asks on its reading thread (standard C++ alone: no toolkit there).
std::vector<std::string> itemFilesBeside(const std::string &nativePath, FileKind kind);

/// Adds the items of `bytes` to `items`: rAthena's YAML item database
/// (Header `Type: ITEM_DB`, a Body of Id, AegisName, Name), or eAthena's and
/// Freya's text one (`ID,AegisName,Name,...` a line: "//" lines skipped, IDs
/// 1 to 19999, the first 19 fields needed), told by its form.
ItemFileRead readItemFile(std::string_view bytes, ItemDatabase &items);

} // namespace grimlark
