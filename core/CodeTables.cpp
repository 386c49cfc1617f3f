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

std::int16_t modeSum(const ModeFlags &flags)
{
    std::int16_t sum = 0;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        if (flags[i])
            sum = static_cast<std::int16_t>(sum + kModeFlags[i].weight);
    }
    return sum;
}

ModeFlags modeFlagsFor(int mode)
{
    // By the weights, as the servers read it: 0 ticks no box.
    ModeFlags flags{};
    for (std::size_t i = 0; i < flags.size(); ++i)
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
