// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "MonsterEntry.h"

#include "FieldTable.h"

namespace grimlark {

bool MonsterEntry::operator==(const MonsterEntry &other) const
{
    for (const FieldInfo &field : kFields) {
        if (field.text && this->*field.text != other.*field.text)
            return false;
    }
    const Carried &a = carried, &b = other.carried;
    return Scale == other.Scale && Race == other.Race && Element == other.Element &&
           ELvl == other.ELvl && Mode == other.Mode && a.layout == b.layout &&
           a.hasOtherName == b.hasOtherName && a.otherName == b.otherName &&
           a.modeAbove == b.modeAbove && a.modeText == b.modeText &&
           a.elementText == b.elementText && a.yaml == b.yaml && a.config == b.config &&
           a.dropsByIndex == b.dropsByIndex;
}

MonsterEntry startupEntry()
{
    // Made once: checking a file starts every line from it.
    static const MonsterEntry startup = [] {
        MonsterEntry entry; // lists unselected, mode boxes clear
        for (const FieldInfo &field : kFields)
            if (field.text)
                entry.*field.text = field.startup;
        return entry;
    }();
    return startup;
}

} // namespace grimlark
