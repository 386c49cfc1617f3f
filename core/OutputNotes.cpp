// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "OutputNotes.h"

#include "Layout.h"
#include "LineCheck.h"
#include "RathenaYamlEntry.h"
#include "TextEntry.h"

#include <algorithm>
#include <utility>

namespace grimlark {

NameBytes namesInEncoding(const MonsterEntry &entry, const LegacyEncoding *encoding,
                          const EncodeText &encode, std::vector<std::string> &problems)
{
    NameBytes names = namesAsHeld(entry);
    if (!encoding)
        return names;
    names.encoding = encoding->label;
    const bool hasOther = otherNameField(formatOf(entry.carried.layout)) >= 0;
    const std::pair<std::string *, const char *> all[] = {
        {&names.name, "DB Name"}, {&names.jname, "Display Name"}, {&names.other, "iRO name"}};
    for (const auto &[bytes, field] : all) {
        if (bytes == &names.other && !hasOther)
            continue;
        if (const std::optional<std::string> encoded = encode(*bytes, *encoding))
            *bytes = *encoded;
        else
            problems.push_back(std::string(field) + ": it cannot be written in " + encoding->label +
                               "; it is written in UTF-8.");
    }
    if (!hasOther)
        names.other = names.jname;
    return names;
}

std::vector<std::string> outputNotes(const MonsterEntry &entry, Output form,
                                     const LegacyEncoding *encoding, const EncodeText &encode,
                                     const IdLookup &lookup,
                                     const std::vector<std::string> &loadNotes,
                                     const ItemDatabase *items)
{
    std::vector<std::string> notes;
    const NameBytes names = namesInEncoding(entry, encoding, encode, notes);
    for (std::string &warning : entryWarnings(entry, lookup, form, &names))
        notes.push_back(std::move(warning));
    if (items)
        for (std::string &warning : itemWarnings(entry, *items))
            notes.push_back(std::move(warning));
    notes.insert(notes.end(), loadNotes.begin(), loadNotes.end());
    // What no box shows, and where the entry goes.
    if (std::string also = alsoInThisLine(entry); !also.empty())
        notes.push_back(std::move(also));
    const LayoutFormat &layout = formatOf(entry.carried.layout);
    if (const char *note = form == Output::Text ? layout.lineNote : layout.tableNote)
        notes.emplace_back(note);
    for (const LineReport &lost : carriedLosses(entry, entry.carried.layout))
        notes.push_back(lost.field + ": " + lost.message);
    // Names that are not ASCII need the line saved in their encoding.
    const auto ascii = [](const std::string &text) {
        return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
    };
    if (encoding && form == Output::Text && !(ascii(entry.Name) && ascii(entry.JName)))
        notes.push_back(std::string("The names are in ") + encoding->label +
                        ": save the line in that encoding.");
    return notes;
}

} // namespace grimlark
