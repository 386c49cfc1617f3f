// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grimlark {

/// One key of an entry's map (a YAML map, a libconfig group) as the file
/// wrote it, so that an unchanged value is
/// written back in its own bytes.
struct KeyText {
    std::string key;
    std::string text;    ///< from the key to the end of its value's last line, line end included
    std::string trailer; ///< the comment and blank lines after it: kept, whatever the value becomes
    /// What the writer makes of the key from the monster as loaded; nothing for
    /// a key the writer does not make (written back as it stands).
    std::optional<std::string> loaded;
};

/// A map as written: what stands before its first key ("  - ", "{" and a
/// line end and a tab), the indent of its other keys, its keys in order, and
/// what stands after them (a group's closing "},").
struct MapText {
    std::string lead, indent;
    std::vector<KeyText> keys;
    std::string tail;
};

/// `text` without the line ends and blank lines after its last line with
/// something on it: an entry's end, as a file's records end.
std::string_view withoutTrailingBlankLines(std::string_view text);

/// True when `text` ends a line as YAML reads one (a lone CR, U+0085,
/// U+2028 and U+2029 end one too).
bool endsLine(std::string_view text);

/// One key as a writer makes it: from the key to its value's last line end
/// (empty where there is no value), and whether the format's style leaves it
/// out where the entry does not have it already (a default).
struct Rendered {
    std::string_view key;
    std::string text;
    bool leftOut = false;
};

/// A map's keys written: those the source has, in its order and bytes,
/// unless their value changed; the others the writer makes where the key
/// order puts them. `order` is the order of every key the map may have;
/// `lead` and `indent` are those of a map written anew.
std::string writeMap(const MapText *source, const std::vector<Rendered> &rendered,
                     const std::vector<std::string_view> &order, std::string_view lead,
                     std::string_view indent, std::string_view lineEnd);

} // namespace grimlark
