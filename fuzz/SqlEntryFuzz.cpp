// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// Any entry: its SQL is three lines of statements (after at most one comment
// line), and the row's INSERT read back by the loader gives the same entry,
// or is refused as a line of another layout; where a Level that is no number
// gives it the shape of a layout of three names, it is read as that layout
// (the warnings say it does not read back), which says nothing of the entry.

#include "core/EntryLoader.h"
#include "core/FieldTable.h"
#include "core/Numbers.h"
#include "core/SqlEntry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace grimlark;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Five bytes choose the lists and Mode; the rest, cut at 0x1F, the texts.
    if (size < 5)
        return 0;
    MonsterEntry entry = startupEntry();
    entry.Scale = static_cast<ListPosition>(data[0] % 4 - 1);
    entry.Race = static_cast<ListPosition>(data[1] % 13 - 1);
    entry.Element = static_cast<ListPosition>(data[2] % 11 - 1);
    entry.ELvl = static_cast<ListPosition>(data[2] / 11 % 5 - 1);
    for (int flag = 0; flag < ModeFlagCount; ++flag)
        entry.Mode[size_t(flag)] = ((data[3] | data[4] << 8) >> flag) & 1;
    const std::string texts(reinterpret_cast<const char *>(data) + 5, size - 5);
    std::size_t start = 0;
    for (const FieldInfo &field : kFields) {
        if (!field.text || start > texts.size())
            continue;
        const std::size_t cut = texts.find('\x1F', start);
        entry.*field.text = texts.substr(start, cut - start);
        start = cut == std::string::npos ? texts.size() + 1 : cut + 1;
    }

    const std::string sql = BuildSqlEntry(entry);
    const std::string_view row = rowOf(sql);
    const std::size_t first = sql.find("DROP TEMPORARY TABLE IF EXISTS `grimlark_mob`; ");
    const std::size_t lines = std::size_t(std::count(sql.begin(), sql.end(), '\n'));
    if (row.substr(0, 32) != "INSERT INTO `grimlark_mob` VALUE" ||
        (first != 0 && (sql.rfind("-- ", 0) != 0 || sql.find('\n') + 1 != first)) ||
        lines != (first == 0 ? 2 : 3) ||
        sql.substr(sql.rfind('\n') + 1, 40) != "DELETE FROM `mob_db` WHERE `ID` IN (SELE")
        std::abort(); // text broke out of the comment or a statement
    MonsterEntry back = startupEntry();
    const LoadResult result = LoadEntryIntoEditor(row, back);
    // A Level that is no number: read as a layout of three names, the row
    // may load as one or be refused for its values there.
    if (!isLayoutNumber(entry.Lvl))
        return 0;
    if (result.loaded() ? back != entry : result.status != LoadResult::Status::OtherLayout)
        std::abort(); // the statement does not hold the entry
    return 0;
}
