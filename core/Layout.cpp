// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Layout.h"

#include "CodeTables.h"
#include "FieldTable.h"
#include "Numbers.h"

#include <algorithm>
#include <array>
#include <bitset>
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
    // An empty Level is a Level all the same: the line is read, and its Level
    // warned, rather than refused as another layout.
    return fields.size() > kMode && !isLayoutNumber(fields[kLevel]) &&
           (isLayoutNumber(fields[kLevel + 1]) || trimmed(fields[kLevel + 1]).empty());
}

bool isWithin(std::string_view text, const CodeList &list)
{
    const WholeNumber number = parseWholeNumber(text);
    return number.value && *number.value >= kNoSelection && *number.value < list.size();
}

/// An element code in the form the generator writes it (detection takes no other).
bool isElementCode(std::string_view text)
{
    const std::optional<ElementCode> code = readElementCode(text);
    return code && code->asWritten;
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

/// Where the later eAthena layout puts each value: for each of its 58 fields,
/// the position of the same value in the classic layout. kROName is the
/// classic JName, Sprite_Name its Name; the MVP fields come before the drops.
constexpr int kLaterOrder[kMostFields] = {
    0,  1,  2,  kOtherName, 3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18,
    19, 20, 21, 22,         23, 24, 25, 26, 27, 28, 49, 50, 51, 52, 53, 54, 55, 56, 29, 30,
    31, 32, 33, 34,         35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48};

/// rAthena's text layout: the later one without ExpPer (it gives the MVP EXP
/// itself): 57 fields.
constexpr int kRAthenaOrder[kFieldCount] = {
    0,  1,  2,  kOtherName, 3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17,
    18, 19, 20, 21,         22, 23, 24, 25, 26, 27, 28, 49, 51, 52, 53, 54, 55, 56, 29,
    30, 31, 32, 33,         34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48};

constexpr auto classicOrder()
{
    std::array<int, kFieldCount> order{};
    for (std::size_t i = 0; i < kFieldCount; ++i)
        order[i] = int(i);
    return order;
}
constexpr std::array<int, kFieldCount> kClassicOrder = classicOrder();

/// True when `order` holds every classic value once, but `absent` (none
/// where it is negative), and `others` iRO names.
constexpr bool isWhole(const int *order, std::size_t count, int others, int absent = -2)
{
    int seen[kFieldCount] = {};
    if (absent >= 0)
        seen[absent] = 1;
    for (std::size_t i = 0; i < count; ++i) {
        if (order[i] == kOtherName)
            --others;
        else if (order[i] < 0 || order[i] >= int(kFieldCount) || seen[order[i]]++)
            return false;
    }
    for (const int times : seen)
        if (times != 1)
            return false;
    return others == 0;
}
static_assert(isWhole(kClassicOrder.data(), kFieldCount, 0), "the classic order: each value once");
static_assert(isWhole(kLaterOrder, kMostFields, 1) &&
                  kFields[std::size_t(kLaterOrder[30])].column == std::string_view("MEXP") &&
                  kFields[std::size_t(kLaterOrder[38])].column == std::string_view("Drop1id") &&
                  kFields[std::size_t(kLaterOrder[kMode])].column == std::string_view("Mode"),
              "the later layout: every classic value once, MVPs before drops");

static_assert(isWhole(kRAthenaOrder, kFieldCount, 1, int(fieldIndex("ExpPer"))) &&
                  kFields[std::size_t(kRAthenaOrder[30])].column == std::string_view("MEXP") &&
                  kFields[std::size_t(kRAthenaOrder[37])].column == std::string_view("Drop1id"),
              "rAthena's layout: every classic value once but ExpPer, MVPs before drops");

/// The Mode flags each layout's servers know: the classic ones twelve, the
/// later ones three more, rAthena's those of 2016 (up to SkillImmune).
constexpr int kClassicModeFlags = 0xFFF;
constexpr int kLaterModeFlags = 0x7FFF;
constexpr int kRAthenaModeFlags = 0xFFFFFFF;
constexpr int kHerculesModeFlags = 0xFFFF;

/// What each Mode box means in a layout's Mode number: the classic bits,
/// one a box.
constexpr std::array<int, ModeFlagCount> kClassicModeBits{1,  2,   4,   8,   16,   32,
                                                          64, 128, 256, 512, 1024, 2048};
/// rAthena's of 2016 kept eight bits; Boss is its boss class (Detector,
/// StatusImmune, KnockBackImmune), Plant its four Ignore modes (melee, magic,
/// ranged, misc), Detector its own bit, Change Target the bit 512 it calls
/// CastSensorChase. Its bits 32, 64 and 256 mean other things than the
/// classic boxes (NoRandomWalk, NoCast, unused): no box shows them.
constexpr std::array<int, ModeFlagCount> kRAthenaModeBits{
    1, 2, 4, 8, 16, 0x6200000, 0x170000, 128, 0x2000000, 512, 1024, 2048};

} // namespace

const std::vector<LayoutFormat> &layoutFormats()
{
    // Tried in order: the first whose shape a line has names its layout; the
    // classic, last, takes every other line.
    static const std::vector<LayoutFormat> rows = {
        {Layout::CommaBlank, nullptr, nullptr, nullptr,
         "classic layout written with \", \" between its fields (a comma and a blank)", nullptr,
         nullptr, kClassicOrder.data(), kFieldCount, kClassicModeFlags, kClassicModeBits.data(),
         false, false, isCommaBlank},
        {Layout::TabAligned, nullptr, nullptr, nullptr,
         "tab-aligned layout of files with a \"#ID,...\" header", nullptr, nullptr,
         kClassicOrder.data(), kFieldCount, kClassicModeFlags, kClassicModeBits.data(), false,
         false, isTabAligned},
        {Layout::JAthena, nullptr, nullptr, nullptr,
         "jAthena layout (55 fields: 8 drops, then Item1,Item2)", nullptr, nullptr,
         kClassicOrder.data(), kFieldCount, kClassicModeFlags, kClassicModeBits.data(), false,
         false, isJAthena},
        {Layout::LaterEathena, "eathena58", "Later eAthena (58 fields)", "mnuLayoutLater",
         "later eAthena layout (58 fields: ID,Sprite_Name,kROName,iROName,LV,...)",
         "Written in the later eAthena layout (58 fields: ID,Sprite_Name,kROName,iROName,LV,...).",
         "For the later eAthena layout's table (58 columns: ID,Sprite,kName,iName,LV,...).",
         kLaterOrder, kMostFields, kLaterModeFlags, kClassicModeBits.data(), true, true,
         isLaterEathena},
        {Layout::RAthena, "rathena", "rAthena (57 fields)", "mnuLayoutRAthena",
         "rAthena layout (57 fields: ID,Sprite_Name,kROName,iROName,LV,...)",
         "Written in rAthena's text layout (57 fields: ID,Sprite_Name,kROName,iROName,LV,..., no "
         "ExpPer; its Modes of 2016).",
         "In the rAthena layout's order (57 columns: ID,Sprite,kName,iName,LV,..., no ExpPer).",
         kRAthenaOrder, kFieldCount, kRAthenaModeFlags, kRAthenaModeBits.data(), true, true,
         isRAthena},
        // Its entries are read and written by keys (RathenaYamlEntry); in
        // the classic order its values are rAthena's text layout's.
        {Layout::RathenaYaml, "rathena-yaml", "rAthena YAML", "mnuLayoutRathenaYaml",
         "rAthena's YAML database (Header:, Body:)",
         "Written as an entry of rAthena's YAML database (db/*/mob_db.yml), for its Body.",
         "In the rAthena layout's order (57 columns: ID,Sprite,kName,iName,LV,..., no ExpPer).",
         kRAthenaOrder, kFieldCount, kRAthenaModeFlags, kRAthenaModeBits.data(), false, true,
         nullptr},
        // Its groups are read and written by keys (HerculesEntry). Its Mode
        // bits are the later eAthena's, and NoKnockback.
        {Layout::Hercules, "hercules", "Hercules", "mnuLayoutHercules",
         "Hercules' libconfig database (mob_db: ( { ... } ))",
         "Written as a monster group of Hercules' database (db/*/mob_db.conf), for its list.",
         "For the later eAthena layout's table (58 columns: ID,Sprite,kName,iName,LV,...).",
         kLaterOrder, kMostFields, kHerculesModeFlags, kClassicModeBits.data(), false, true,
         nullptr},
        {Layout::Classic, "classic", "Classic (57 fields)", "mnuLayoutClassic",
         "classic layout (57 fields: ID,Name,JName,LV,HP,...)", nullptr, nullptr,
         kClassicOrder.data(), kFieldCount, kClassicModeFlags, kClassicModeBits.data(), false, true,
         nullptr},
    };
    return rows;
}

const LayoutFormat &formatOf(Layout layout)
{
    const std::vector<LayoutFormat> &rows = layoutFormats();
    return *std::find_if(rows.begin(), rows.end(),
                         [layout](const LayoutFormat &row) { return row.layout == layout; });
}

const LayoutFormat *formatNamed(std::string_view name)
{
    for (const LayoutFormat &row : layoutFormats())
        if (row.name && name == row.name)
            return &row;
    return nullptr;
}

bool holdsField(const LayoutFormat &format, std::size_t classic)
{
    // Asked for every field of every line converted: told once a layout.
    static const auto held = [] {
        std::vector<std::bitset<kFieldCount>> rows;
        for (const LayoutFormat &row : layoutFormats()) {
            if (rows.size() <= std::size_t(row.layout))
                rows.resize(std::size_t(row.layout) + 1);
            for (std::size_t i = 0; i < row.fieldCount; ++i)
                if (row.order[i] != kOtherName)
                    rows[std::size_t(row.layout)].set(std::size_t(row.order[i]));
        }
        return rows;
    }();
    return held[std::size_t(format.layout)].test(classic);
}

int otherNameField(const LayoutFormat &format)
{
    for (std::size_t i = 0; i < format.fieldCount; ++i)
        if (format.order[i] == kOtherName)
            return int(i);
    return -1;
}

LayoutGuess detectLayout(const Fields &fields)
{
    for (const LayoutFormat &row : layoutFormats()) {
        if (!row.matches || !row.matches(fields))
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

} // namespace grimlark
