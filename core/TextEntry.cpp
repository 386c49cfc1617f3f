// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "TextEntry.h"

#include "CodeTables.h"
#include "FieldTable.h"

namespace grimlark {

void appendFieldValue(std::string &out, const FieldInfo &field, const MonsterEntry &entry)
{
    switch (field.kind) {
    case FieldKind::Text:
        out += entry.*field.text;
        break;
    case FieldKind::Scale:
        out += std::to_string(entry.Scale);
        break;
    case FieldKind::Race:
        out += std::to_string(entry.Race);
        break;
    case FieldKind::Element:
        out += elementCode(entry.ELvl, entry.Element);
        break;
    case FieldKind::Mode:
        out += std::to_string(modeSum(entry.Mode));
        break;
    }
}

std::string BuildTextEntry(const MonsterEntry &entry)
{
    std::string line;
    line.reserve(256);
    for (const FieldInfo &field : kFields) {
        if (&field != &kFields.front())
            line += ',';
        appendFieldValue(line, field, entry);
    }
    return line;
}

} // namespace grimlark
