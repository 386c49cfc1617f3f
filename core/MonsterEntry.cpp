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
    return Scale == other.Scale && Race == other.Race && Element == other.Element &&
           ELvl == other.ELvl && Mode == other.Mode;
}

MonsterEntry startupEntry()
{
    MonsterEntry entry;
    entry.ID = "7000";
    entry.Name = "Mob_Name";
    entry.JName = "Mob Name";
    entry.Lvl = "1";
    entry.HP = "100";
    entry.SP = "100";
    entry.EXP = "10";
    entry.JEXP = "10";
    entry.Range1 = "1";
    entry.ATK1 = "10";
    entry.ATK2 = "20";
    entry.DEF = "4";
    entry.MDEF = "4";
    entry.STR = "5";
    entry.AGI = "5";
    entry.VIT = "5";
    entry.INT = "5";
    entry.DEX = "5";
    entry.LUK = "5";
    entry.Range2 = "10";
    entry.Range3 = "12";
    entry.Speed = "200";
    entry.ADelay = "1500";
    entry.aMotion = "562";
    entry.DMotion = "288";
    for (std::string *drop :
         {&entry.DropID1,  &entry.Drop1Per, &entry.DropID2,  &entry.Drop2Per,   &entry.DropID3,
          &entry.Drop3Per, &entry.DropID4,  &entry.Drop4Per, &entry.DropID5,    &entry.Drop5Per,
          &entry.DropID6,  &entry.Drop6Per, &entry.DropID7,  &entry.Drop7Per,   &entry.DropID8,
          &entry.Drop8Per, &entry.DropID9,  &entry.Drop9Per, &entry.DropCardID, &entry.DropCardPer,
          &entry.MEXP,     &entry.EXPPer,   &entry.MVP1ID,   &entry.MVP1Per,    &entry.MVP2ID,
          &entry.MVP2Per,  &entry.MVP3ID,   &entry.MVP3Per})
        *drop = "0";
    return entry;
}

} // namespace grimlark
