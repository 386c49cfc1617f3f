// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "MonsterEntry.h"

#include <array>
#include <string>
#include <string_view>

namespace grimlark {

/// How a field of the text entry is held in a MonsterEntry.
enum class FieldKind { Text, Scale, Race, Element, Mode };

/// One of the 57 fields of a text entry, in line order.
struct FieldInfo {
    /// The field's own name in messages and warnings, unique ("Drop 1 Rate"):
    /// captions repeat ("Rate" fourteen times), so a message never uses them.
    const char *name;
    const char *caption; ///< what the editor calls it: a box's label, a list's text
    const char *column;  ///< the column of the servers' SQL table `mob_db`
    FieldKind kind;
    std::string MonsterEntry::*text; ///< the member, for Text fields; null otherwise
    const char *startup;             ///< the value the editor starts with, for Text fields
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
    {"ID", "ID", "ID", FieldKind::Text, &MonsterEntry::ID, "7000"},
    {"DB Name", "DB Name", "Name", FieldKind::Text, &MonsterEntry::Name, "Mob_Name"},
    {"Display Name", "Display Name", "Name2", FieldKind::Text, &MonsterEntry::JName, "Mob Name"},
    {"Level", "Level", "LV", FieldKind::Text, &MonsterEntry::Lvl, "1"},
    {"HP", "HP", "HP", FieldKind::Text, &MonsterEntry::HP, "100"},
    {"SP", "SP", "SP", FieldKind::Text, &MonsterEntry::SP, "100"},
    {"Base Experience", "Base Experience", "EXP", FieldKind::Text, &MonsterEntry::EXP, "10"},
    {"Job Experience", "Job Experience", "JEXP", FieldKind::Text, &MonsterEntry::JEXP, "10"},
    {"Range 1", "Range 1", "Range1", FieldKind::Text, &MonsterEntry::Range1, "1"},
    {"Min Damage", "Min Damage", "ATK1", FieldKind::Text, &MonsterEntry::ATK1, "10"},
    {"Max Damage", "Max Damage", "ATK2", FieldKind::Text, &MonsterEntry::ATK2, "20"},
    {"DEF", "DEF", "DEF", FieldKind::Text, &MonsterEntry::DEF, "4"},
    {"MDEF", "MDEF", "MDEF", FieldKind::Text, &MonsterEntry::MDEF, "4"},
    {"STR", "STR", "STR", FieldKind::Text, &MonsterEntry::STR, "5"},
    {"AGI", "AGI", "AGI", FieldKind::Text, &MonsterEntry::AGI, "5"},
    {"VIT", "VIT", "VIT", FieldKind::Text, &MonsterEntry::VIT, "5"},
    {"INT", "INT", "INT", FieldKind::Text, &MonsterEntry::INT, "5"},
    {"DEX", "DEX", "DEX", FieldKind::Text, &MonsterEntry::DEX, "5"},
    {"LUK", "LUK", "LUK", FieldKind::Text, &MonsterEntry::LUK, "5"},
    {"Range 2", "Range 2", "Range2", FieldKind::Text, &MonsterEntry::Range2, "10"},
    {"Range 3", "Range 3", "Range3", FieldKind::Text, &MonsterEntry::Range3, "12"},
    {"Scale", "Scale", "Scale", FieldKind::Scale, nullptr, nullptr},
    {"Race", "Race", "Race", FieldKind::Race, nullptr, nullptr},
    {"Element", "Element", "Element", FieldKind::Element, nullptr, nullptr},
    {"Mode", "Mode", "Mode", FieldKind::Mode, nullptr, nullptr},
    {"Movement", "Movement", "Speed", FieldKind::Text, &MonsterEntry::Speed, "200"},
    {"Atk Delay", "Atk Delay", "ADelay", FieldKind::Text, &MonsterEntry::ADelay, "1500"},
    {"aMotion", "aMotion", "aMotion", FieldKind::Text, &MonsterEntry::aMotion, "562"},
    {"dMotion", "dMotion", "dMotion", FieldKind::Text, &MonsterEntry::DMotion, "288"},
    {"Drop 1 Item ID", "Item ID ", "Drop1id", FieldKind::Text, &MonsterEntry::DropID1, "0"},
    {"Drop 1 Rate", "Rate", "Drop1per", FieldKind::Text, &MonsterEntry::Drop1Per, "0"},
    {"Drop 2 Item ID", "Item ID ", "Drop2id", FieldKind::Text, &MonsterEntry::DropID2, "0"},
    {"Drop 2 Rate", "Rate", "Drop2per", FieldKind::Text, &MonsterEntry::Drop2Per, "0"},
    {"Drop 3 Item ID", "Item ID ", "Drop3id", FieldKind::Text, &MonsterEntry::DropID3, "0"},
    {"Drop 3 Rate", "Rate", "Drop3per", FieldKind::Text, &MonsterEntry::Drop3Per, "0"},
    {"Drop 4 Item ID", "Item ID ", "Drop4id", FieldKind::Text, &MonsterEntry::DropID4, "0"},
    {"Drop 4 Rate", "Rate", "Drop4per", FieldKind::Text, &MonsterEntry::Drop4Per, "0"},
    {"Drop 5 Item ID", "Item ID ", "Drop5id", FieldKind::Text, &MonsterEntry::DropID5, "0"},
    {"Drop 5 Rate", "Rate", "Drop5per", FieldKind::Text, &MonsterEntry::Drop5Per, "0"},
    {"Drop 6 Item ID", "Item ID ", "Drop6id", FieldKind::Text, &MonsterEntry::DropID6, "0"},
    {"Drop 6 Rate", "Rate", "Drop6per", FieldKind::Text, &MonsterEntry::Drop6Per, "0"},
    {"Drop 7 Item ID", "Item ID ", "Drop7id", FieldKind::Text, &MonsterEntry::DropID7, "0"},
    {"Drop 7 Rate", "Rate", "Drop7per", FieldKind::Text, &MonsterEntry::Drop7Per, "0"},
    {"Drop 8 Item ID", "Item ID ", "Drop8id", FieldKind::Text, &MonsterEntry::DropID8, "0"},
    {"Drop 8 Rate", "Rate", "Drop8per", FieldKind::Text, &MonsterEntry::Drop8Per, "0"},
    {"Drop 9 Item ID", "Item ID ", "Drop9id", FieldKind::Text, &MonsterEntry::DropID9, "0"},
    {"Drop 9 Rate", "Rate", "Drop9per", FieldKind::Text, &MonsterEntry::Drop9Per, "0"},
    {"Card ID", "Card ID ", "DropCardid", FieldKind::Text, &MonsterEntry::DropCardID, "0"},
    {"Card Rate", "Rate", "DropCardper", FieldKind::Text, &MonsterEntry::DropCardPer, "0"},
    {"MVP EXP", "MVP EXP", "MEXP", FieldKind::Text, &MonsterEntry::MEXP, "0"},
    {"MVP EXP Rate", "Rate", "ExpPer", FieldKind::Text, &MonsterEntry::EXPPer, "0"},
    {"MVP 1 Item ID", "MVP ID", "MVP1id", FieldKind::Text, &MonsterEntry::MVP1ID, "0"},
    {"MVP 1 Rate", "Rate", "MVP1per", FieldKind::Text, &MonsterEntry::MVP1Per, "0"},
    {"MVP 2 Item ID", "MVP ID", "MVP2id", FieldKind::Text, &MonsterEntry::MVP2ID, "0"},
    {"MVP 2 Rate", "Rate", "MVP2per", FieldKind::Text, &MonsterEntry::MVP2Per, "0"},
    {"MVP 3 Item ID", "MVP ID", "MVP3id", FieldKind::Text, &MonsterEntry::MVP3ID, "0"},
    {"MVP 3 Rate", "Rate", "MVP3per", FieldKind::Text, &MonsterEntry::MVP3Per, "0"},
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

/// True when no two fields share a name.
constexpr bool namesUnique()
{
    for (std::size_t i = 0; i < kFields.size(); ++i)
        for (std::size_t j = i + 1; j < kFields.size(); ++j)
            if (std::string_view(kFields[i].name) == kFields[j].name)
                return false;
    return true;
}
static_assert(namesUnique(), "each field has a name of its own for messages");

/// Where the line keeps the field of SQL column `column` (kFields.size() for none).
constexpr std::size_t fieldIndex(std::string_view column)
{
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (kFields[i].column == column)
            return i;
    return kFields.size();
}

/// The field held in `text`, or nullptr when no field holds it.
constexpr const FieldInfo *fieldOf(std::string MonsterEntry::*text)
{
    for (const FieldInfo &field : kFields)
        if (field.text == text)
            return &field;
    return nullptr;
}

/// The caption of the field held in `text`, or nullptr when no field holds it.
constexpr const char *captionOf(std::string MonsterEntry::*text)
{
    for (const FieldInfo &field : kFields)
        if (field.text == text)
            return field.caption;
    return nullptr;
}

} // namespace grimlark
