// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "MonsterEntry.h"

#include <array>
#include <string>

namespace grimlark {

/// How a field of the text entry is held in a MonsterEntry.
enum class FieldKind { Text, Scale, Race, Element, Mode };

/// One of the 57 fields of a text entry, in line order.
struct FieldInfo {
    const char *name;    ///< member of MonsterEntry
    const char *control; ///< editor control that holds the value
    const char *caption; ///< label beside the control, or the list text for lists
    const char *column;  ///< the column of the servers' SQL table `mob_db`
    FieldKind kind;
    std::string MonsterEntry::*text; ///< the member, for Text fields; null otherwise
};

constexpr int kFieldCount = 57;
constexpr int kTextFieldCount = 53;

/// True for the two names (`Name`, `JName`): the only fields that the servers
/// keep as text; every other one they read as a number.
constexpr bool isNameField(const FieldInfo &field)
{
    return field.text == &MonsterEntry::Name || field.text == &MonsterEntry::JName;
}

/// The fields of the text entry in line order; the generator, the loader and the
/// editor window all read it.
extern const std::array<FieldInfo, kFieldCount> kFields;

} // namespace grimlark
