// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "TextEntry.h"

#include "CodeTables.h"
#include "FieldTable.h"

namespace grimlark {

std::string BuildTextEntry(const MonsterEntry &entry)
{
    std::string line;
    line.reserve(256);
    for (const FieldInfo &field : kFields) {
        if (&field != &kFields.front())
            line += ',';
        switch (field.kind) {
        case FieldKind::Text:
            line += entry.*field.text;
            break;
        case FieldKind::Scale:
            line += std::to_string(entry.Scale);
            break;
        case FieldKind::Race:
            line += std::to_string(entry.Race);
            break;
        case FieldKind::Element:
            line += elementCode(entry.ELvl, entry.Element);
            break;
        case FieldKind::Mode:
            line += std::to_string(modeSum(entry.Mode));
            break;
        }
    }
    return line;
}

} // namespace grimlark
