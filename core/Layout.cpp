// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Layout.h"

#include "CodeTables.h"
#include "FieldTable.h"
#include "Numbers.h"

#include <algorithm>
#include <string_view>

namespace grimlark {

namespace {

using Fields = std::vector<std::string_view>;

// Where the classic layout keeps a column; the layouts with three names keep
// every column after the names one further on.
constexpr std::size_t kLevel = fieldIndex("LV");
constexpr std::size_t kScale = fieldIndex("Scale") + 1;
constexpr std::size_t kRace = fieldIndex("Race") + 1;
constexpr std::size_t kElement = fieldIndex("Element") + 1;
constexpr std::size_t kMode = fieldIndex("Mode") + 1;
static_assert(kLevel == 3 && kMode == 25, "the later layouts' Mode follows the classic Mode");

/// Every field after the first one blank in: ", " between the fields, which
/// no server writes.
bool isCommaBlank(const Fields &fields)
{
    if (fields.size() < 10 || (!fields[0].empty() && isBlank(fields[0].front())))
        return false;
    return std::all_of(fields.begin() + 1, fields.end(), [](std::string_view field) {
        return field.size() >= 2 && field[0] == ' ' && !isBlank(field[1]);
    });
}

bool isTabAligned(const Fields &fields)
{
    if (fields.size() < 10)
        return false;
    const auto padded = std::count_if(fields.begin(), fields.end(), [](std::string_view field) {
        return !field.empty() && isBlank(field.front());
    });
    return std::size_t(padded) * 2 >= fields.size();
}

bool isJAthena(const Fields &fields)
{
    return fields.size() == 55 && isLayoutNumber(fields[kLevel]);
}

/// A name where the classic level goes and a number after it.
bool hasThreeNames(const Fields &fields)
{
    return fields.size() > kMode && !isLayoutNumber(fields[kLevel]) &&
           isLayoutNumber(fields[kLevel + 1]);
}

bool isWithin(std::string_view text, const CodeList &list)
{
    const WholeNumber number = parseWholeNumber(text);
    return number.value && *number.value >= kNoSelection && *number.value < list.size();
}

/// An element code as the loader reads one: a digit, a level and a digit, or
/// the generator's "-1" forms.
bool isElementCode(std::string_view text)
{
    text = trimmed(text);
    const auto level = [](char c) { return c == '2' || c == '4' || c == '6' || c == '8'; };
    return text == "-1" || (text.size() == 1 && isDigit(text[0])) ||
           (text.size() == 2 && level(text[0]) && isDigit(text[1])) ||
           (text.size() == 3 && level(text[0]) && text.substr(1) == "-1");
}

/// rAthena's order: the coded fields where that order has them. (A classic line
/// whose level was typed as text has three names' shape too, but not these.)
bool isRAthena(const Fields &fields)
{
    return fields.size() == kFieldCount && hasThreeNames(fields) &&
           isWithin(fields[kScale], kScaleList) && isWithin(fields[kRace], kRaceList) &&
           isElementCode(fields[kElement]) && isLayoutNumber(fields[kMode]);
}

bool isLaterEathena(const Fields &fields)
{
    return fields.size() == 58 && hasThreeNames(fields);
}

struct LayoutRow {
    Layout layout;
    const char *description;
    bool (*matches)(const Fields &);
};

/// Tried in order; the first that matches names the line's layout.
constexpr LayoutRow kLayouts[] = {
    {Layout::CommaBlank,
     "classic layout written with \", \" between its fields (a comma and a blank)", isCommaBlank},
    {Layout::TabAligned, "tab-aligned layout of files with a \"#ID,...\" header", isTabAligned},
    {Layout::JAthena, "jAthena layout (55 fields: 8 drops, then Item1,Item2)", isJAthena},
    {Layout::LaterEathena,
     "later eAthena layout (58 fields: ID,Sprite_Name,kROName,iROName,LV,...)", isLaterEathena},
    {Layout::RAthena, "rAthena layout (57 fields: ID,Sprite_Name,kROName,iROName,LV,...)",
     isRAthena},
};

} // namespace

/// True when the later layout holds every classic value once, and its name more.
constexpr bool laterOrderIsWhole()
{
    int seen[kFieldCount] = {};
    int others = 0;
    for (const int classic : kLaterOrder) {
        if (classic == kOtherName)
            ++others;
        else if (classic < 0 || classic >= int(kFieldCount) || seen[classic]++)
            return false;
    }
    return others == 1 &&
           kFields[std::size_t(kLaterOrder[30])].column == std::string_view("MEXP") &&
           kFields[std::size_t(kLaterOrder[38])].column == std::string_view("Drop1id") &&
           kFields[std::size_t(kLaterOrder[kMode])].column == std::string_view("Mode");
}
static_assert(laterOrderIsWhole(), "the later layout: every classic value once, MVPs before drops");

LayoutGuess detectLayout(const Fields &fields)
{
    for (const LayoutRow &row : kLayouts) {
        if (!row.matches(fields))
            continue;
        // A classic line with a comma in its display name has the later layout's
        // shape too; there the comma is followed by a blank, as in "Poring, the
        // Great", where no iROName begins with one. A hexadecimal Mode is the
        // later layout's alone.
        const bool certain = row.layout != Layout::LaterEathena || isHexNumber(fields[kMode]) ||
                             fields[kLevel].empty() || !isBlank(fields[kLevel].front());
        return {row.layout, certain};
    }
    return {};
}

const char *shortName(Layout layout)
{
    return layout == Layout::LaterEathena ? "eathena58" : "classic";
}

const char *describe(Layout layout)
{
    for (const LayoutRow &row : kLayouts)
        if (row.layout == layout)
            return row.description;
    return "classic layout (57 fields: ID,Name,JName,LV,HP,...)";
}

} // namespace grimlark
