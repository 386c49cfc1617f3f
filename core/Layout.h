// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <string_view>
#include <vector>

namespace grimlark {

/// The layouts of the family's monster lines that Grimlark tells apart.
enum class Layout {
    Classic,      ///< 57 fields: ID,Name,JName,LV,... (Freya, eAthena until 2008)
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

} // namespace grimlark
