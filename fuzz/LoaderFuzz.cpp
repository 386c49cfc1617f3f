// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// Arbitrary bytes as the selected line, into an entry with arbitrary prior
// values: either a refusal that leaves the entry exactly as it was, or an entry
// whose generated line holds the input's text fields at the same field numbers.

#include "core/EntryLoader.h"
#include "core/FieldTable.h"
#include "core/Numbers.h"
#include "core/SqlDump.h"
#include "core/SqlEntry.h"
#include "core/TextEntry.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace grimlark;

namespace {

MonsterEntry priorEntry(const uint8_t *seed, size_t size)
{
    MonsterEntry entry;
    for (size_t i = 0; i < kFields.size(); ++i)
        if (kFields[i].text)
            entry.*kFields[i].text = std::to_string(i * 7 + (size ? seed[i % size] : 0));
    entry.Scale = static_cast<ListPosition>(size > 0 ? seed[0] % 4 - 1 : -1);
    entry.Race = static_cast<ListPosition>(size > 1 ? seed[1] % 13 - 1 : -1);
    entry.Element = static_cast<ListPosition>(size > 2 ? seed[2] % 11 - 1 : -1);
    entry.ELvl = static_cast<ListPosition>(size > 3 ? seed[3] % 5 - 1 : -1);
    for (size_t flag = 0; flag < entry.Mode.size(); ++flag)
        entry.Mode[flag] = size > 4 && (seed[4 + flag / 8 % (size - 4)] >> (flag % 8)) & 1;
    return entry;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first eight bytes choose the prior values; the rest is the line.
    const size_t seedSize = size < 8 ? size : 8;
    const MonsterEntry prior = priorEntry(data, seedSize);
    const std::string line(reinterpret_cast<const char *>(data) + seedSize, size - seedSize);

    MonsterEntry entry = prior;
    const LoadResult result = LoadEntryIntoEditor(line, entry);
    if (!result.loaded()) {
        if (entry != prior || result.message().empty())
            std::abort(); // a refusal changed the editor, or says nothing
        return 0;
    }
    if (isSqlStatement(line))
        return 0; // its values are not comma-split text (SqlEntryFuzz checks them)
    if (entry.carried.layout == Layout::RathenaYaml)
        return 0; // an entry of keys, not of fields (YamlEntryFuzz checks them)
    if (!result.notes.empty())
        return 0; // read otherwise than written (a trailing comment, an element code), and said
    const std::string built = BuildTextEntry(entry);
    const std::vector<std::string_view> in = splitFields(line);
    const std::vector<std::string_view> out = splitFields(built);
    if (in.size() != out.size())
        std::abort(); // loaded a line of another length than it writes back
    const LayoutFormat &format = formatOf(entry.carried.layout);
    for (size_t i = 0; i < out.size(); ++i) {
        const int classic = format.order[i];
        if ((classic == kOtherName || kFields[size_t(classic)].kind == FieldKind::Text) &&
            in[i] != out[i])
            std::abort(); // a text field (or the other name) was not carried through
    }
    return 0;
}
