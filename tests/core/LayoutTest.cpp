// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/Layout.h"
#include "core/EntryLoader.h"
#include "core/Numbers.h"
#include "core/TextEntry.h"
#include "tests/common/Fixtures.h"

#include <gtest/gtest.h>

using namespace grimlark;
using grimlark::test::lineWith;

namespace {

struct LayoutRow {
    const char *name;
    std::string line;
    Layout layout;
    bool certain;
};

/// A line of three names (`count` fields), its coded fields one place later
/// than in the classic layout, as the later layouts write them.
std::string threeNames(std::size_t count, const std::string &mode)
{
    std::vector<std::string> fields(count, "0");
    fields[0] = "1324";
    fields[1] = "TREASURE_BOX1";
    fields[2] = fields[3] = "Treasure Chest";
    fields[4] = "98";
    fields[22] = "2";  // Scale
    fields[23] = "0";  // Race
    fields[24] = "20"; // Element
    fields[25] = mode;
    std::string line;
    for (const std::string &field : fields)
        line += (line.empty() ? "" : ",") + field;
    return line;
}

std::string repeated(std::size_t count, const std::string &field)
{
    std::string line = field;
    for (std::size_t i = 1; i < count; ++i)
        line += "," + field;
    return line;
}

class Layouts : public testing::TestWithParam<LayoutRow> {};

TEST_P(Layouts, AreToldByTheLineAlone)
{
    const LayoutGuess guess = detectLayout(splitFields(GetParam().line));
    EXPECT_EQ(guess.layout, GetParam().layout);
    EXPECT_EQ(guess.certain, GetParam().certain);
}

INSTANTIATE_TEST_SUITE_P(
    Family, Layouts,
    testing::Values(LayoutRow{"classic", lineWith({{1, "PORING"}}), Layout::Classic, true},
                    LayoutRow{"laterHexMode", threeNames(58, "0x81"), Layout::LaterEathena, true},
                    LayoutRow{"rAthena", threeNames(57, "129"), Layout::RAthena, true},
                    LayoutRow{"jAthena", repeated(55, "1"), Layout::JAthena, true},
                    LayoutRow{"tabAligned", repeated(57, "\t1"), Layout::TabAligned, true},
                    LayoutRow{"commaBlank", "1002," + repeated(56, " 1"), Layout::CommaBlank, true},
                    // The two classic lines with a later layout's shape: a comma in the
                    // display name (58 fields, a name where the level goes) is only likely
                    // the later layout; a level typed as text is classic.
                    LayoutRow{"commaInDisplayName", lineWith({{2, "Poring, the Great"}}),
                              Layout::LaterEathena, false},
                    LayoutRow{"levelAsText", lineWith({{3, "high"}, {23, "21"}}), Layout::Classic,
                              true}),
    [](const auto &test) { return std::string(test.param.name); });

// Each row stands whole: every classic value once in its order (the iRO name
// only where it has three names), a written row named, listed and found by
// its name, and a line written in it told as its own again.
TEST(LayoutFormats, EachRowIsWhole)
{
    for (const LayoutFormat &format : layoutFormats()) {
        SCOPED_TRACE(format.description);
        EXPECT_EQ(&formatOf(format.layout), &format);
        std::vector<int> seen(kFieldCount);
        int others = 0;
        for (std::size_t i = 0; i < format.fieldCount; ++i)
            format.order[i] == kOtherName ? ++others : ++seen.at(std::size_t(format.order[i]));
        // Each value once, or (rAthena's ExpPer) not at all.
        EXPECT_EQ(std::count_if(seen.begin(), seen.end(), [](int times) { return times > 1; }), 0);
        const auto missing = std::size_t(std::count(seen.begin(), seen.end(), 0));
        EXPECT_EQ(std::size_t(others), format.fieldCount + missing - kFieldCount);
        if (!format.name) {
            EXPECT_FALSE(format.read);
            continue;
        }
        EXPECT_EQ(formatNamed(format.name), &format);
        EXPECT_TRUE(format.menuLabel && format.menuName);
        MonsterEntry entry = startupEntry();
        entry.carried.layout = format.layout;
        const std::string written = BuildTextEntry(entry);
        MonsterEntry back;
        ASSERT_TRUE(LoadEntryIntoEditor(written, back).loaded()) << written;
        EXPECT_EQ(back.carried.layout, format.layout);
        if (byKeys(format.layout)) // an entry of keys, not a line of fields
            continue;
        const LayoutGuess guess = detectLayout(splitFields(written));
        EXPECT_EQ(guess.layout, format.layout);
        EXPECT_TRUE(guess.certain);
    }
    EXPECT_EQ(formatNamed("eathena57"), nullptr);
    EXPECT_EQ(formatNamed(""), nullptr);
}

} // namespace
