// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "CodeTables.h"

#include <algorithm>
#include <initializer_list>

namespace grimlark {

const CodeList kScaleList{"Scale", {"Small", "Medium", "Large"}};
const CodeList kRaceList{"Race",
                         {"Formless", "Undead", "Beast", "Plant", "Insect", "Fish", "Demon",
                          "Demihuman", "Angel", "Dragon", "Boss", "Non-Boss"}};
const CodeList kElementList{
    "Element",
    {"Neutral", "Water", "Earth", "Fire", "Wind", "Poison", "Holy", "Dark", "Ghost", "Undead"}};
const CodeList kElementLevelList{"Elvl", {"1", "2", "3", "4"}};

const std::array<ModeFlagInfo, ModeFlagCount> kModeFlags{{
    {1, "chkCanMove", "Can Move"},
    {2, "chkLooter", "Looter"},
    {4, "chkAggressive", "Aggressive"},
    {8, "chkAssist", "Assist"},
    {16, "chkCastSensor", "Cast Sensor"},
    {32, "chkBoss", "Boss"},
    {64, "chkPlant", "Plant"},
    {128, "chkCanAttack", "Can Attack"},
    {256, "chkDetector", "Detector"},
    {512, "chkChangeTarget", "Change Target"},
    {1024, "chkChangeChase", "Change Chase"},
    {2048, "chkAngry", "Angry"},
}};

namespace {

struct KnownMode {
    int value;
    std::initializer_list<ModeFlag> flags;
};

// The behaviours the editor knows by number. Not derived from the weights: 0 and
// 1461 mean what they have always meant to the editor's users.
const KnownMode kKnownModes[] = {
    {64, {Plant}},
    {0, {CanAttack}},
    {128, {CanAttack}},
    {129, {CanAttack, CanMove}},
    {131, {CanAttack, CanMove, Looter}},
    {133, {CanAttack, CanMove, Aggressive}},
    {137, {CanAttack, CanMove, Assist}},
    {139, {CanAttack, CanMove, Looter, Assist}},
    {141, {CanAttack, CanMove, Aggressive, Assist}},
    {145, {CanAttack, CanMove, CastSensor}},
    {149, {CanAttack, CanMove, CastSensor, Aggressive}},
    {159, {CanAttack, CanMove, CastSensor, Aggressive, Looter, Assist}},
    {171, {CanAttack, CanMove, Looter, Assist, Boss}},
    {181, {CanAttack, CanMove, Boss, Aggressive, CastSensor}},
    {1461, {CanAttack, CanMove, Boss, Aggressive, CastSensor}},
    {2181, {CanAttack, CanMove, Angry, Aggressive}},
};

} // namespace

std::int16_t modeSum(const ModeFlags &flags)
{
    std::int16_t sum = 0;
    for (int i = 0; i < ModeFlagCount; ++i) {
        if (flags[i])
            sum = static_cast<std::int16_t>(sum + kModeFlags[i].weight);
    }
    return sum;
}

std::optional<ModeFlags> knownModeFlags(int mode)
{
    const auto *const row =
        std::find_if(std::begin(kKnownModes), std::end(kKnownModes),
                     [mode](const KnownMode &known) { return known.value == mode; });
    if (row == std::end(kKnownModes))
        return std::nullopt;
    ModeFlags flags{};
    for (ModeFlag flag : row->flags)
        flags[flag] = true;
    return flags;
}

ModeFlags modeFlagsFor(int mode)
{
    if (auto known = knownModeFlags(mode))
        return *known;
    ModeFlags flags{};
    for (int i = 0; i < ModeFlagCount; ++i)
        flags[i] = (mode & kModeFlags[i].weight) != 0;
    return flags;
}

std::string elementCode(ListPosition level, ListPosition element)
{
    std::string code;
    if (level >= 0 && level < kElementLevelList.size())
        code = std::to_string(2 * (level + 1));
    return code + std::to_string(element);
}

} // namespace grimlark
