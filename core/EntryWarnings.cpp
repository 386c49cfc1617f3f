// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "EntryWarnings.h"

#include "CodeTables.h"
#include "EntryLoader.h"
#include "FieldTable.h"
#include "Numbers.h"

namespace grimlark {

std::vector<std::string> entryWarnings(const MonsterEntry &entry, const IdLookup &lookup)
{
    std::vector<std::string> warnings;
    const std::pair<ListPosition, const CodeList *> lists[] = {
        {entry.Scale, &kScaleList}, {entry.Race, &kRaceList}, {entry.Element, &kElementList}};
    for (const auto &[position, list] : lists)
        if (position == kNoSelection)
            warnings.push_back(std::string("No ") + list->caption +
                               " is selected: the line says -1, which the server does not read "
                               "as one.");
    std::string numbers, commas, comments;
    auto add = [](std::string &to, const std::string &item) {
        to += (to.empty() ? "" : ", ") + item;
    };
    for (const FieldInfo &field : kFields) {
        if (!field.text)
            continue;
        const std::string &value = entry.*field.text;
        if (!isNameField(field) && !isServerNumber(value))
            add(numbers, std::string(field.name) + " " + quoteValue(value));
        if (value.find(',') != std::string::npos)
            add(commas, field.name);
        if (value.find("//") != std::string::npos)
            add(comments, field.name);
    }
    if (!numbers.empty())
        warnings.push_back("Text where the server reads a number: " + numbers + ".");
    if (!commas.empty())
        warnings.push_back("A comma in " + commas + ": the line gets more than 57 fields.");
    if (!comments.empty())
        warnings.push_back("\"//\" in " + comments +
                           ": Grimlark reads such a line back as a comment and will not load it.");
    if (lookup)
        if (const std::optional<std::string> where = lookup(entry.ID))
            warnings.push_back("The ID is already in an open file: " + *where + ".");
    return warnings;
}

} // namespace grimlark
