// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "MonsterEntry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace grimlark {

/// A drop-down list of codes: the list position is the code, the entry is what the editor shows.
struct CodeList {
    const char *caption;             ///< text the list shows while nothing is selected
    const std::string_view *entries; ///< in code order
    std::size_t count;
    constexpr int size() const { return static_cast<int>(count); }
    constexpr const std::string_view *begin() const { return entries; }
    constexpr const std::string_view *end() const { return entries + count; }
};

inline constexpr std::string_view kScaleEntries[] = {"Small", "Medium", "Large"};
inline constexpr std::string_view kRaceEntries[] = {"Formless", "Undead", "Beast", "Plant",
                                                    "Insect",   "Fish",   "Demon", "Demihuman",
                                                    "Angel",    "Dragon", "Boss",  "Non-Boss"};
inline constexpr std::string_view kElementEntries[] = {
    "Neutral", "Water", "Earth", "Fire", "Wind", "Poison", "Holy", "Dark", "Ghost", "Undead"};
inline constexpr std::string_view kElementLevelEntries[] = {"1", "2", "3", "4"};

inline constexpr CodeList kScaleList{"Scale", kScaleEntries, std::size(kScaleEntries)};
inline constexpr CodeList kRaceList{"Race", kRaceEntries, std::size(kRaceEntries)};
inline constexpr CodeList kElementList{"Element", kElementEntries, std::size(kElementEntries)};
inline constexpr CodeList kElementLevelList{"Elvl", kElementLevelEntries,
                                            std::size(kElementLevelEntries)};

/// One mode flag: its weight in the Mode sum and its caption.
struct ModeFlagInfo {
    int weight;
    const char *caption;
};

inline constexpr std::array<ModeFlagInfo, ModeFlagCount> kModeFlags{{
    {1, "Can Move"},
    {2, "Looter"},
    {4, "Aggressive"},
    {8, "Assist"},
    {16, "Cast Sensor"},
    {32, "Boss"},
    {64, "Plant"},
    {128, "Can Attack"},
    {256, "Detector"},
    {512, "Change Target"},
    {1024, "Change Chase"},
    {2048, "Angry"},
}};

/// True when the weights are the twelve powers of two in order, so that every
/// Mode from 0 to 4095 is one set of boxes.
constexpr bool weightsArePowersOfTwo()
{
    for (std::size_t i = 0; i < kModeFlags.size(); ++i)
        if (kModeFlags[i].weight != 1 << i)
            return false;
    return true;
}
static_assert(weightsArePowersOfTwo(), "each mode flag its own bit");

using ModeFlags = std::array<bool, ModeFlagCount>;

/// The Mode field for a set of flags: the sum of the weights of those that are set (0 to 4095).
std::int16_t modeSum(const ModeFlags &flags);

/// The flags for a Mode value (0 to 4095): those whose weights make it up.
ModeFlags modeFlagsFor(int mode);

/// The Mode boxes that `mode` ticks in `format` (each whose bits are all
/// there) and, in `rest`, its bits that no ticked box stands for.
ModeFlags modeBoxesOf(const LayoutFormat &format, long long mode, long long &rest);
/// The Mode number of the ticked `boxes` in `format`, with the bits `rest`.
long long modeNumberOf(const LayoutFormat &format, const ModeFlags &boxes, long long rest);

/// The element code text: the level digit ("2", "4", "6", "8" or none) then the element position.
std::string elementCode(ListPosition level, ListPosition element);

/// An element code as the servers read one, blanks around it allowed: a
/// number whose tens make the level (code / 20, 1 to 4) and whose last digit
/// the element (code % 10), one digit an element with no level; and the
/// generator's "-1" (neither) and "2-1" to "8-1" (a level and no element).
struct ElementCode {
    ListPosition level = kNoSelection, element = kNoSelection;
    bool asWritten = true; ///< in the form elementCode writes ("56" and "05" are not)
};
/// The code `text` holds, or nothing where it is none of those forms.
std::optional<ElementCode> readElementCode(std::string_view text);

} // namespace grimlark
