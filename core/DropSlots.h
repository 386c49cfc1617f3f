// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "FieldTable.h"
#include "MonsterEntry.h"
#include "Numbers.h"

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

namespace grimlark {

/// A drop's boxes: its item and its rate.
struct DropSlot {
    std::string MonsterEntry::*item;
    std::string MonsterEntry::*rate;
};
/// Drops in order fill Drop 1 to 9 and the card box; MvpDrops the MVP boxes.
constexpr DropSlot kDropSlots[] = {{&MonsterEntry::DropID1, &MonsterEntry::Drop1Per},
                                   {&MonsterEntry::DropID2, &MonsterEntry::Drop2Per},
                                   {&MonsterEntry::DropID3, &MonsterEntry::Drop3Per},
                                   {&MonsterEntry::DropID4, &MonsterEntry::Drop4Per},
                                   {&MonsterEntry::DropID5, &MonsterEntry::Drop5Per},
                                   {&MonsterEntry::DropID6, &MonsterEntry::Drop6Per},
                                   {&MonsterEntry::DropID7, &MonsterEntry::Drop7Per},
                                   {&MonsterEntry::DropID8, &MonsterEntry::Drop8Per},
                                   {&MonsterEntry::DropID9, &MonsterEntry::Drop9Per},
                                   {&MonsterEntry::DropCardID, &MonsterEntry::DropCardPer}};
constexpr DropSlot kMvpSlots[] = {{&MonsterEntry::MVP1ID, &MonsterEntry::MVP1Per},
                                  {&MonsterEntry::MVP2ID, &MonsterEntry::MVP2Per},
                                  {&MonsterEntry::MVP3ID, &MonsterEntry::MVP3Per}};
/// The text layouts protected their last three drops from stealing; YAML
/// says so of each drop (as rAthena's own converter wrote them).
constexpr std::size_t kFirstProtected = 7;

struct DropList {
    const DropSlot *slots;
    std::size_t count;
    bool mvp;
};
constexpr DropList kDrops{kDropSlots, std::size(kDropSlots), false};
constexpr DropList kMvpDrops{kMvpSlots, std::size(kMvpSlots), true};

inline bool hasDrop(const MonsterEntry &entry, DropSlot slot)
{
    const std::string_view item = trimmed(entry.*slot.item);
    return !item.empty() && item != "0";
}

/// The name of the text field `text` holds, for a message ("Drop 1 Item ID").
inline const char *fieldName(std::string MonsterEntry::*text)
{
    for (const FieldInfo &field : kFields)
        if (field.text == text)
            return field.name;
    return "";
}

} // namespace grimlark
