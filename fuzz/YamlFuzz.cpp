// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// Arbitrary bytes as rAthena's YAML monster database: libyaml's reading and the
// frame around it end without a fault, in bounded time (nesting is bounded),
// and what they list holds together: a refusal says why, and each monster's
// lines stand in order within the text (two of a flow list may share one).
// The same bytes as an item database (YAML, or eAthena's text lines) are read
// without a fault, and each item read is found again by its ID.

#include "core/FileEdit.h"
#include "core/ItemDatabase.h"
#include "core/LineReader.h"
#include "core/RathenaMobDb.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

using namespace grimlark;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const RathenaMobDb db = readRathenaMobDb(text);
    if (db.message().empty() != (db.fault == RathenaMobDb::Fault::None))
        std::abort();
    const std::size_t lines = std::max<std::size_t>(
        countLines(text), db.monsters.empty() ? 0 : db.monsters.back().firstLine);
    std::size_t before = 1;
    for (const YamlMonster &monster : db.monsters) {
        if (monster.firstLine < before || monster.lastLine < monster.firstLine ||
            monster.lastLine > lines)
            std::abort();
        before = monster.firstLine;
    }
    // A monster added to a database read: where it says, within the bytes.
    std::string why;
    if (const std::optional<Addition> added =
            withRecordAdded(text, FileKind::Yaml, "  - Id: 9999", "\n", why)) {
        if (db.fault != RathenaMobDb::Fault::None || added->at > added->bytes.size() ||
            added->bytes.compare(0, std::min(added->at, text.size()), text, 0,
                                 std::min(added->at, text.size())) != 0)
            std::abort();
    }
    ItemDatabase items;
    const ItemFileRead read = readItemFile(text, items);
    if (!read.read && read.problem.empty())
        std::abort();
    for (const Item *item : items.all())
        if (items.byId(item->id) != item)
            std::abort();
    return 0;
}
