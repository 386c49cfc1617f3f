// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace grimlark {

/// A node of a YAML document as libyaml reads it (the reader rAthena's own
/// YAML library agrees with on its files), with the line it starts on.
struct YamlNode {
    enum class Kind { Scalar, Sequence, Mapping };
    Kind kind = Kind::Scalar;
    std::string text;   ///< a scalar's value
    bool plain = false; ///< a scalar written without quotes ("02" and 02 differ in meaning)
    /// A sequence's items; a mapping's keys and values, alternating, in the
    /// order written (a key may stand twice: the reader decides).
    std::vector<YamlNode> children;
    std::size_t line = 0, column = 0; ///< where it starts, counted from 1
    /// The last line its text reaches (a collection: its last child's).
    std::size_t endLine = 0;

    /// A mapping's value for `key` (its first), or null.
    const YamlNode *find(std::string_view key) const;
};

/// What reading a YAML text gives: its first document, or why there is none.
struct YamlDocument {
    YamlNode root;
    bool read = false;
    std::string problem;              ///< libyaml's own words, where not read
    std::size_t line = 0, column = 0; ///< where the problem is, from 1
};

/// The first document of `bytes` (UTF-8). Anchors and aliases, which no
/// database of the family writes, are refused, as is nesting deeper than
/// `deepest` levels, so no input can take unbounded time or memory.
YamlDocument readYaml(std::string_view bytes, std::size_t deepest = 64);

} // namespace grimlark
