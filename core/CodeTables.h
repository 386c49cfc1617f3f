// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "MonsterEntry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace grimlark {

/// A drop-down list of codes: the list position is the code, the entry is what the editor shows.
struct CodeList {
    const char *caption;              ///< text the list shows while nothing is selected
    std::vector<std::string> entries; ///< in code order
    int size() const { return static_cast<int>(entries.size()); }
};

extern const CodeList kScaleList;
extern const CodeList kRaceList;
extern const CodeList kElementList;
extern const CodeList kElementLevelList;

/// One mode flag: its weight in the Mode sum, its check box and caption.
struct ModeFlagInfo {
    int weight;
    const char *control;
    const char *caption;
};

extern const std::array<ModeFlagInfo, ModeFlagCount> kModeFlags;

using ModeFlags = std::array<bool, ModeFlagCount>;

/// The Mode field for a set of flags: the sum of the weights of those that are set (0 to 4095).
std::int16_t modeSum(const ModeFlags &flags);

/// The flags for a Mode value (0 to 4095): those whose weights make it up.
ModeFlags modeFlagsFor(int mode);

/// The element code text: the level digit ("2", "4", "6", "8" or none) then the element position.
std::string elementCode(ListPosition level, ListPosition element);

} // namespace grimlark
