// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grimlark {

/// The Mode number as rAthena's YAML says it: its Class, its Ai and the
/// Modes set besides (names), as rAthena's own converter tells them apart.
struct YamlMode {
    std::string ai, monsterClass;
    std::vector<std::string> modes, cleared; ///< those true, those false
};
YamlMode yamlModeOf(long long mode);
/// The Mode number said with the Ai `ai` and, while the number has all its
/// bits, the Class `monsterClass`: what the Ai sets (or `from`, the bits the
/// Modes change where there is no Ai: an override's) that the number lacks
/// cleared under Modes, the rest set.
YamlMode yamlModeKeeping(long long mode, std::string_view ai, std::string_view monsterClass,
                         std::optional<long long> from = std::nullopt);
/// The Mode number of an Ai (case-insensitive), or nothing for an unknown one.
std::optional<long long> aiBits(std::string_view ai);
/// The bits a Class adds as rAthena loads the monster, or nothing.
std::optional<long long> classBits(std::string_view monsterClass);
/// The bit of a name under Modes, or nothing.
std::optional<long long> modeBitNamed(std::string_view name);

/// The names under Modes of the bits of `bits` that have one, by name.
std::vector<std::string> modeNamesOf(long long bits);
/// The bits rAthena's YAML can say: its Modes' and its Classes'.
long long bitsYamlNames();

} // namespace grimlark
