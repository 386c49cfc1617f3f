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
    const char *caption; ///< what the editor calls it: a box's label, a list's text
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
inline constexpr std::array<FieldInfo, kFieldCount> kFields{{
    {"ID", "ID", FieldKind::Text, &MonsterEntry::ID},
    {"DB Name", "Name", FieldKind::Text, &MonsterEntry::Name},
    {"Display Name", "Name2", FieldKind::Text, &MonsterEntry::JName},
    {"Level", "LV", FieldKind::Text, &MonsterEntry::Lvl},
    {"HP", "HP", FieldKind::Text, &MonsterEntry::HP},
    {"SP", "SP", FieldKind::Text, &MonsterEntry::SP},
    {"Base Experience", "EXP", FieldKind::Text, &MonsterEntry::EXP},
    {"Job Experience", "JEXP", FieldKind::Text, &MonsterEntry::JEXP},
    {"Range 1", "Range1", FieldKind::Text, &MonsterEntry::Range1},
    {"Min Damage", "ATK1", FieldKind::Text, &MonsterEntry::ATK1},
    {"Max Damage", "ATK2", FieldKind::Text, &MonsterEntry::ATK2},
    {"DEF", "DEF", FieldKind::Text, &MonsterEntry::DEF},
    {"MDEF", "MDEF", FieldKind::Text, &MonsterEntry::MDEF},
    {"STR", "STR", FieldKind::Text, &MonsterEntry::STR},
    {"AGI", "AGI", FieldKind::Text, &MonsterEntry::AGI},
    {"VIT", "VIT", FieldKind::Text, &MonsterEntry::VIT},
    {"INT", "INT", FieldKind::Text, &MonsterEntry::INT},
    {"DEX", "DEX", FieldKind::Text, &MonsterEntry::DEX},
    {"LUK", "LUK", FieldKind::Text, &MonsterEntry::LUK},
    {"Range 2", "Range2", FieldKind::Text, &MonsterEntry::Range2},
    {"Range 3", "Range3", FieldKind::Text, &MonsterEntry::Range3},
    {"Scale", "Scale", FieldKind::Scale, nullptr},
    {"Race", "Race", FieldKind::Race, nullptr},
    {"Element", "Element", FieldKind::Element, nullptr},
    {"Mode", "Mode", FieldKind::Mode, nullptr},
    {"Movement", "Speed", FieldKind::Text, &MonsterEntry::Speed},
    {"Atk Delay", "ADelay", FieldKind::Text, &MonsterEntry::ADelay},
    {"aMotion", "aMotion", FieldKind::Text, &MonsterEntry::aMotion},
    {"dMotion", "dMotion", FieldKind::Text, &MonsterEntry::DMotion},
    {"Item ID ", "Drop1id", FieldKind::Text, &MonsterEntry::DropID1},
    {"Rate", "Drop1per", FieldKind::Text, &MonsterEntry::Drop1Per},
    {"Item ID ", "Drop2id", FieldKind::Text, &MonsterEntry::DropID2},
    {"Rate", "Drop2per", FieldKind::Text, &MonsterEntry::Drop2Per},
    {"Item ID ", "Drop3id", FieldKind::Text, &MonsterEntry::DropID3},
    {"Rate", "Drop3per", FieldKind::Text, &MonsterEntry::Drop3Per},
    {"Item ID ", "Drop4id", FieldKind::Text, &MonsterEntry::DropID4},
    {"Rate", "Drop4per", FieldKind::Text, &MonsterEntry::Drop4Per},
    {"Item ID ", "Drop5id", FieldKind::Text, &MonsterEntry::DropID5},
    {"Rate", "Drop5per", FieldKind::Text, &MonsterEntry::Drop5Per},
    {"Item ID ", "Drop6id", FieldKind::Text, &MonsterEntry::DropID6},
    {"Rate", "Drop6per", FieldKind::Text, &MonsterEntry::Drop6Per},
    {"Item ID ", "Drop7id", FieldKind::Text, &MonsterEntry::DropID7},
    {"Rate", "Drop7per", FieldKind::Text, &MonsterEntry::Drop7Per},
    {"Item ID ", "Drop8id", FieldKind::Text, &MonsterEntry::DropID8},
    {"Rate", "Drop8per", FieldKind::Text, &MonsterEntry::Drop8Per},
    {"Item ID ", "Drop9id", FieldKind::Text, &MonsterEntry::DropID9},
    {"Rate", "Drop9per", FieldKind::Text, &MonsterEntry::Drop9Per},
    {"Card ID ", "DropCardid", FieldKind::Text, &MonsterEntry::DropCardID},
    {"Rate", "DropCardper", FieldKind::Text, &MonsterEntry::DropCardPer},
    {"MVP EXP", "MEXP", FieldKind::Text, &MonsterEntry::MEXP},
    {"Rate", "ExpPer", FieldKind::Text, &MonsterEntry::EXPPer},
    {"MVP ID", "MVP1id", FieldKind::Text, &MonsterEntry::MVP1ID},
    {"Rate", "MVP1per", FieldKind::Text, &MonsterEntry::MVP1Per},
    {"MVP ID", "MVP2id", FieldKind::Text, &MonsterEntry::MVP2ID},
    {"Rate", "MVP2per", FieldKind::Text, &MonsterEntry::MVP2Per},
    {"MVP ID", "MVP3id", FieldKind::Text, &MonsterEntry::MVP3ID},
    {"Rate", "MVP3per", FieldKind::Text, &MonsterEntry::MVP3Per},
}};

/// True when every text member of MonsterEntry is in exactly one field.
constexpr bool textFieldsOnce()
{
    int texts = 0;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (!kFields[i].text)
            continue;
        ++texts;
        for (std::size_t j = i + 1; j < kFields.size(); ++j)
            if (kFields[j].text == kFields[i].text)
                return false;
    }
    return texts == kTextFieldCount;
}
static_assert(textFieldsOnce(), "each text member in one field, every one of them");

/// The caption of the field held in `text`, or nullptr when no field holds it.
constexpr const char *captionOf(std::string MonsterEntry::*text)
{
    for (const FieldInfo &field : kFields)
        if (field.text == text)
            return field.caption;
    return nullptr;
}

} // namespace grimlark
