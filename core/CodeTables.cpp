// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "CodeTables.h"

namespace grimlark {

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
