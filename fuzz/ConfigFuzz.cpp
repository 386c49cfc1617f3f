// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// Arbitrary bytes as a libconfig file of Hercules', and as one monster group
// of its database: reading ends without a fault and within the nesting
// bound; a group that loads comes back as its own bytes, and what is written
// anew loads again as the same monster; a monster added to the file goes
// where it says.

#include "core/FileEdit.h"
#include "core/HerculesEntry.h"
#include "core/HerculesMobDb.h"
#include "core/ItemDatabase.h"
#include "core/Libconfig.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

using namespace grimlark;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const ConfigDocument document = readConfig(text, 8);
    if (!document.read() && (document.line == 0 || document.column == 0))
        std::abort();
    const HerculesMobDb db = readHerculesMobDb(text);
    for (const auto &[first, last] : db.lineSpans())
        if (first > last)
            std::abort();
    ItemDatabase items;
    (void)readItemFile(text, items);
    // A monster added to the list goes where it says, whole.
    std::string why;
    const std::string group = "{\n\tId: 9999\n},";
    if (const std::optional<Addition> added =
            withRecordAdded(text, FileKind::Config, group, "\n", why)) {
        if (db.fault != HerculesMobDb::Fault::None ||
            added->bytes.compare(added->at, group.size(), group) != 0)
            std::abort();
    } else if (db.fault == HerculesMobDb::Fault::None && why.empty()) {
        std::abort();
    }

    MonsterEntry entry;
    if (!loadHerculesEntry(text, entry).loaded())
        return 0;
    const std::string written = writeHerculesEntry(entry);
    if (entry.carried.config && !entry.carried.config->entry.keys.empty() &&
        written != withoutTrailingBlankLines(text))
        std::abort();
    MonsterEntry fresh = entry;
    fresh.carried.config = nullptr;
    const std::string anew = writeHerculesEntry(fresh);
    MonsterEntry back;
    if (!loadHerculesEntry(anew, back).loaded())
        std::abort();
    back.carried.config = nullptr;
    if (writeHerculesEntry(back) != anew)
        std::abort();
    return 0;
}
