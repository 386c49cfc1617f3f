// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/ItemDatabase.h"
#include "core/EntryLoader.h"
#include "core/RathenaYamlEntry.h"

#include <gtest/gtest.h>

#include <string>

using namespace grimlark;

namespace {

const std::string kYamlItems =
    "# items\n"
    "Header:\n  Type: ITEM_DB\n  Version: 3\n\n"
    "Body:\n"
    "  - Id: 904\n    AegisName: Scorpion's_Tail\n    Name: Scorpion Tail\n"
    "  - Id: 909\n    AegisName: Jellopy\n    Name: Jellopy\n"
    "    Script: |\n      bonus bStr,1;\n"
    "  - Id: 910\n    AegisName: JELLOPY\n    Name: Copy\n";
const std::string kTextItems = "// ID,Name,Name,Type,...\r\n"
                               "0,DEFAULT,Default,0,,10,10,,,,,0xFFFFFFFF,7,2,,,,,,{},{},{}\r\n"
                               "512,Apple,Apple,0,15,,20,,,,,0xFFFFFFFF,7,2,,,,,,{ itemheal 16,0; }"
                               ",{},{}\r\n"
                               "20000,Far,Far,0,1,,1,,,,,0,7,2,,,,,,{},{},{}\r\n"
                               "513,Banana,Banana,0,15\r\n";

// Both forms read as their servers read them: rAthena's YAML refuses an
// AegisName another item holds (in any case); eAthena's text takes IDs
// 1 to 19999 of 19 fields or more and skips "//" lines.
TEST(ItemDatabase, ReadsBothForms)
{
    ItemDatabase items;
    const ItemFileRead yaml = readItemFile(kYamlItems, items);
    ASSERT_TRUE(yaml.read) << yaml.problem;
    EXPECT_EQ(yaml.items, 2U);
    EXPECT_EQ(items.byId(910), nullptr);
    const ItemFileRead text = readItemFile(kTextItems, items);
    ASSERT_TRUE(text.read) << text.problem;
    EXPECT_EQ(text.items, 1U);
    EXPECT_EQ(items.size(), 3U);
    EXPECT_EQ(items.byId(20000), nullptr);
    EXPECT_EQ(items.byId(513), nullptr);

    ItemDatabase none;
    EXPECT_FALSE(readItemFile("Header:\n  Type: MOB_DB\n", none).read);
    EXPECT_FALSE(readItemFile("1001,PORING,Poring\n", none).read);
}

// A drop's text finds its item: an ID, an AegisName or a name in any case;
// nothing for what no item is.
TEST(ItemDatabase, FindsADropsItem)
{
    ItemDatabase items;
    ASSERT_TRUE(readItemFile(kYamlItems, items).read);
    const std::pair<const char *, long long> cases[] = {
        {"909", 909},           {" 904 ", 904}, {"jellopy", 909}, {"SCORPION'S_TAIL", 904},
        {"Scorpion Tail", 904}, {"Jelly", 0},   {"911", 0},       {"", 0}};
    for (const auto &[text, id] : cases) {
        const Item *item = items.named(text);
        EXPECT_EQ(item ? item->id : 0, id) << text;
    }
    ASSERT_EQ(items.beginningWith("scor", 5).size(), 1U);
    EXPECT_TRUE(items.beginningWith("", 5).empty());
    // A later file's item of the same ID replaces the first, its names too.
    ASSERT_TRUE(items.add({909, "Jellopy_New", "New"}));
    EXPECT_EQ(items.byAegisName("Jellopy"), nullptr);
    EXPECT_EQ(items.byAegisName("jellopy_new")->id, 909);
}

// Drops cross between the text layouts' IDs and YAML's names through the
// item databases, the first one asked first; what neither has stays.
TEST(ItemDatabase, DropsCrossLayouts)
{
    ItemDatabase first, then;
    ASSERT_TRUE(first.add({909, "Jellopy", "Jellopy"}));
    ASSERT_TRUE(then.add({909, "Other_Jellopy", "Jellopy"}));
    ASSERT_TRUE(then.add({512, "Apple", "Apple"}));
    MonsterEntry entry;
    ASSERT_TRUE(LoadEntryIntoEditor("- Id: 1002\n  Drops:\n    - Item: jellopy\n      Rate: 1\n"
                                    "    - Item: Apple\n      Rate: 2\n    - Item: Gone\n"
                                    "      Rate: 3\n  MvpDrops:\n    - Item: Apple\n      Rate: 4",
                                    entry)
                    .loaded());
    translateDrops(entry, Layout::RAthena, &first, &then);
    EXPECT_EQ(entry.DropID1, "909");
    EXPECT_EQ(entry.DropID2, "512");
    EXPECT_EQ(entry.DropID3, "Gone");
    EXPECT_EQ(entry.MVP1ID, "512");
    translateDrops(entry, Layout::RathenaYaml, &first, &then);
    EXPECT_EQ(entry.DropID1, "Jellopy");
    EXPECT_EQ(entry.DropID2, "Apple");
    translateDrops(entry, Layout::RAthena, nullptr, nullptr);
    EXPECT_EQ(entry.DropID1, "Jellopy");
}

} // namespace
