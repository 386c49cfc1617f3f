// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace grimlark {

/// A setting or a value of a libconfig file as Hercules' own copy of the
/// library reads it: names may begin with a digit and stand twice in a
/// group, and text may be a `<" ... ">` block.
struct ConfigNode {
    enum class Kind { Integer, Float, Boolean, String, Group, List, Array };
    Kind kind = Kind::Group;
    std::string name; ///< the setting's name; empty for an item of a list or array
    /// A string's value (escapes read, adjacent strings joined); a number's
    /// or a boolean's text as written.
    std::string text;
    long long integer = 0; ///< an Integer's value; a Boolean's 1 or 0
    /// A group's settings, a list's or an array's items, in the order written.
    std::vector<ConfigNode> children;
    std::size_t line = 0, column = 0; ///< where it starts (its name), from 1
    /// Its bytes in the text: from its name (or value) to the end of its
    /// value, a `;` or `,` after it included.
    std::size_t begin = 0, end = 0;

    /// A group's first setting named `key`, or null.
    const ConfigNode *find(std::string_view key) const;
};

enum class ConfigFault {
    None,
    UnexpectedEnd,       ///< the text ends inside a setting, a group or a string
    UnexpectedCharacter, ///< a character that cannot stand where it does
    BadNumber,           ///< a number that is none, or past 64 bits
    BadEscape,           ///< a backslash that starts no escape
    TooDeep,             ///< groups and lists nested past the bound
};

/// What reading a libconfig text gives: its root group, or why there is none.
struct ConfigDocument {
    ConfigNode root; ///< a group of the file's settings
    ConfigFault fault = ConfigFault::None;
    std::size_t line = 0, column = 0;  ///< where the fault is, from 1
    std::vector<std::string> includes; ///< the files `@include` names, not read
    bool read() const { return fault == ConfigFault::None; }
    /// The fault in words, with its line and column; empty where read.
    std::string message() const;
};

/// Reads `bytes` in Hercules' libconfig syntax. Nesting deeper than
/// `deepest` levels is refused, so no input takes unbounded time or memory;
/// nothing throws but a failed allocation.
ConfigDocument readConfig(std::string_view bytes, std::size_t deepest = 32);

} // namespace grimlark
