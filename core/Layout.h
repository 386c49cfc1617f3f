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
};

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

/// The layout in words, for a message: "later eAthena layout (58 fields: ...)".
const char *describe(Layout layout);

/// The most fields a line of any layout has: cutting a line further is waste.
constexpr std::size_t kMostFields = 58;

/// Where the later eAthena layout puts each value: for each of its 58 fields,
/// the position of the same value in the classic layout, or kOtherName for
/// the name it has more (iROName). kROName is the classic JName, Sprite_Name
/// its Name; the MVP fields come before the drops.
constexpr int kOtherName = -1;
inline constexpr int kLaterOrder[kMostFields] = {
    0,  1,  2,  kOtherName, 3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18,
    19, 20, 21, 22,         23, 24, 25, 26, 27, 28, 49, 50, 51, 52, 53, 54, 55, 56, 29, 30,
    31, 32, 33, 34,         35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48};

/// The layouts Grimlark writes: classic and later eAthena.
inline constexpr Layout kWrittenLayouts[] = {Layout::Classic, Layout::LaterEathena};

/// The layout's short name, as `--convert` takes it: "classic", "eathena58".
const char *shortName(Layout layout);

} // namespace grimlark
