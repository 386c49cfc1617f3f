// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace grimlark {

/// The layouts of the family's monster lines that Grimlark tells apart.
enum class Layout {
    Classic,      ///< 57 fields: ID,Name,JName,LV,... (Freya, eAthena until 2008)
    CommaBlank,   ///< a line written with ", " between its fields
    TabAligned,   ///< fields padded with blanks under a "#ID,..." header
    JAthena,      ///< 55 fields: 8 drops, then Item1,Item2
    LaterEathena, ///< 58 fields: ID,Sprite_Name,kROName,iROName,LV,...
    RAthena,      ///< 57 fields in rAthena's order: ID,Sprite_Name,kROName,iROName,LV,...
    RathenaYaml,  ///< an entry of rAthena's YAML database (- Id: 1001, AegisName: ...)
    Hercules,     ///< a group of Hercules' libconfig database ({ Id: 1001 SpriteName: ... })
};

/// What a file is as a whole: text lines, an SQL dump (its statements are
/// the monsters), rAthena's YAML database or Hercules' libconfig one (their
/// entries and groups are).
enum class FileKind { Text, Dump, Yaml, Config };

/// What a line's shape says of its layout. `certain` is false where the shape
/// fits a classic line too (a comma in a display name makes 58 fields with a
/// text where the level goes): the layout is then only the likelier name for a
/// refusal, and the line is read as classic.
struct LayoutGuess {
    Layout layout = Layout::Classic;
    bool certain = true;
};

/// The layout of a line cut into `fields` (at every comma).
LayoutGuess detectLayout(const std::vector<std::string_view> &fields);

/// The most fields a line of any layout has: cutting a line further is waste.
constexpr std::size_t kMostFields = 58;

/// In a layout's field order, the iRO name that the layouts of three names
/// have more than the classic one.
constexpr int kOtherName = -1;

/// Everything a layout is, in one row: how a line of it is told, named,
/// ordered and written. Adding a layout is adding a row (Layout.cpp).
struct LayoutFormat {
    Layout layout;
    /// Its short name, as `--convert` and the settings take it ("classic",
    /// "eathena58"); null where Grimlark does not write it.
    const char *name;
    /// The Generate > Layout entry and its object name (written layouts).
    const char *menuLabel;
    const char *menuName;
    /// In words, for a message: "later eAthena layout (58 fields: ...)".
    const char *description;
    /// Said under a line, and under SQL, written in it; null for the classic.
    const char *lineNote;
    const char *tableNote;
    /// For each of its fields, the position of the same value in the classic
    /// layout, or kOtherName; `fieldCount` of them.
    const int *order;
    std::size_t fieldCount;
    /// The Mode flags its servers know, and whether they take a hexadecimal
    /// Mode ("0x3195": strtol with base 0).
    int knownModeFlags;
    /// For each Mode box, the bits it stands for in this layout's Mode number
    /// (one a box, ModeFlagCount): one classic bit, or what a later server
    /// calls the same behaviour.
    const int *modeBits;
    bool hexMode;
    /// Whether a line of it is loaded (the others are refused, named).
    bool read;
    /// Whether a line's fields have its shape; null for the classic, which is
    /// every line no other row claims.
    bool (*matches)(const std::vector<std::string_view> &fields);
};

/// The row of `layout`.
const LayoutFormat &formatOf(Layout layout);
/// The written layout of that short name, or null.
const LayoutFormat *formatNamed(std::string_view name);
/// Every row, in the order lines are tried against them.
const std::vector<LayoutFormat> &layoutFormats();

/// The layout in words, for a message: "later eAthena layout (58 fields: ...)".
inline const char *describe(Layout layout)
{
    return formatOf(layout).description;
}

/// The layout's short name, as `--convert` takes it: "classic", "eathena58".
inline const char *shortName(Layout layout)
{
    return formatOf(layout).name;
}

/// True when a line of `format` holds the classic field `classic` (rAthena's
/// holds no ExpPer).
bool holdsField(const LayoutFormat &format, std::size_t classic);

/// True for the layouts of named keys (rAthena's YAML, Hercules' groups):
/// their names in UTF-8, Name the English (iRO) one, drops by item name.
inline bool byKeys(Layout layout)
{
    return layout == Layout::RathenaYaml || layout == Layout::Hercules;
}
/// Where a layout's fields hold the iRO name, or -1 where it has none.
int otherNameField(const LayoutFormat &format);

} // namespace grimlark
