// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "EntryWarnings.h"

#include "CodeTables.h"
#include "EntryLoader.h"
#include "FieldTable.h"
#include "Numbers.h"
#include "RathenaYamlEntry.h"
#include "SqlEntry.h"
#include "TextEntry.h"

namespace grimlark {

std::string describe(const Finding &finding)
{
    return finding.field + ": " + finding.message;
}

std::vector<const CodeList *> unselectedLists(const MonsterEntry &entry)
{
    std::vector<const CodeList *> unselected;
    const std::pair<ListPosition, const CodeList *> lists[] = {
        {entry.Scale, &kScaleList}, {entry.Race, &kRaceList}, {entry.Element, &kElementList}};
    for (const auto &[position, list] : lists)
        if (position == kNoSelection)
            unselected.push_back(list);
    return unselected;
}

std::optional<std::string> readsBackOtherwise(const MonsterEntry &written, std::string_view row)
{
    // A YAML entry's drops are a list: the boxes' empty ones do not stand in it.
    MonsterEntry held = written;
    if (byKeys(held.carried.layout))
        asYamlHoldsIt(held);
    MonsterEntry back = startupEntry();
    const LoadResult result = LoadEntryIntoEditor(row, back);
    if (!result.loaded())
        return "Grimlark does not read this line back: " + result.message();
    // Compared as the fields are written: a hexadecimal Mode and its decimal
    // form are one Mode.
    std::string otherwise, mine, theirs;
    const LayoutFormat &format = formatOf(held.carried.layout);
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const FieldInfo &field = kFields[i];
        if (!holdsField(format, i))
            continue; // said as a loss where it mattered
        mine.clear();
        theirs.clear();
        appendFieldValue(mine, field, held);
        appendFieldValue(theirs, field, back);
        if (field.kind == FieldKind::Mode ? modeValue(held) != modeValue(back) : mine != theirs)
            otherwise += (otherwise.empty() ? "" : ", ") + std::string(field.name);
    }
    if (otherNameField(format) >= 0 && otherNameOf(held) != otherNameOf(back))
        otherwise += std::string(otherwise.empty() ? "" : ", ") + "iRO name";
    if (otherwise.empty())
        return std::nullopt;
    return "Grimlark reads this line back otherwise: " + otherwise + ".";
}

std::vector<std::string> entryWarnings(const MonsterEntry &entry, const IdLookup &lookup,
                                       Output output, const NameBytes *names)
{
    std::vector<std::string> warnings;
    for (const CodeList *list : unselectedLists(entry))
        warnings.push_back(std::string(list->caption) + ": No " + list->caption +
                           " is selected: the line says -1, which the server does not read "
                           "as one.");
    // Why the line would not load back, when said already.
    const bool comment = trimmed(entry.ID).substr(0, 2) == "//";
    bool explained = false;
    if (output == Output::Text) {
        std::string commas;
        for (const FieldInfo &field : kFields)
            if (field.text && (entry.*field.text).find(',') != std::string::npos)
                commas += (commas.empty() ? "" : ", ") + std::string(field.name);
        if (!commas.empty())
            warnings.push_back("A comma in " + commas + ": the line gets more than 57 fields.");
        if (comment)
            warnings.emplace_back("The line begins with \"//\": the servers skip it as a comment.");
        explained = !commas.empty() || comment;
    }
    const NameBytes asHeld = namesAsHeld(entry);
    const NameBytes &bytes = names ? *names : asHeld;
    for (const Finding &finding :
         output == Output::Text ? textFindings(entry, bytes) : sqlFindings(entry, bytes))
        warnings.push_back(describe(finding));
    // What Grimlark itself would not read back as this monster.
    if (!explained) {
        const MonsterEntry written = withNames(entry, bytes);
        const std::string sql = output == Output::Sql ? BuildSqlEntry(entry, &bytes) : "";
        const std::string line = output == Output::Text ? BuildTextEntry(written) : "";
        if (const std::optional<std::string> otherwise =
                readsBackOtherwise(written, output == Output::Sql ? rowOf(sql) : line))
            warnings.push_back("line: " + *otherwise);
    }
    if (lookup)
        if (const std::optional<std::string> where = lookup(entry.ID)) {
            warnings.push_back("ID: The ID is already in an open file: " + *where + ".");
            // rAthena reads an entry of an ID it has as an override of it.
            if (entry.carried.layout == Layout::RathenaYaml)
                if (std::string added = overrideWarning(entry); !added.empty())
                    warnings.push_back(std::move(added));
        }
    return warnings;
}

} // namespace grimlark
