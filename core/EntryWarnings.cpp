// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "EntryWarnings.h"

#include "CodeTables.h"
#include "FieldTable.h"
#include "Numbers.h"

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

std::vector<std::string> entryWarnings(const MonsterEntry &entry, const IdLookup &lookup,
                                       Output output, const NameBytes *names)
{
    std::vector<std::string> warnings;
    for (const CodeList *list : unselectedLists(entry))
        warnings.push_back(std::string("No ") + list->caption +
                           " is selected: the line says -1, which the server does not read "
                           "as one.");
    if (output == Output::Text) {
        std::string commas;
        for (const FieldInfo &field : kFields)
            if (field.text && (entry.*field.text).find(',') != std::string::npos)
                commas += (commas.empty() ? "" : ", ") + std::string(field.name);
        if (!commas.empty())
            warnings.push_back("A comma in " + commas + ": the line gets more than 57 fields.");
        if (trimmed(entry.ID).substr(0, 2) == "//")
            warnings.emplace_back("The line begins with \"//\": the servers skip it as a comment.");
    }
    const NameBytes asHeld = namesAsHeld(entry);
    const NameBytes &bytes = names ? *names : asHeld;
    for (const Finding &finding :
         output == Output::Text ? textFindings(entry, bytes) : sqlFindings(entry, bytes))
        warnings.push_back(describe(finding));
    if (lookup)
        if (const std::optional<std::string> where = lookup(entry.ID))
            warnings.push_back("The ID is already in an open file: " + *where + ".");
    return warnings;
}

} // namespace grimlark
