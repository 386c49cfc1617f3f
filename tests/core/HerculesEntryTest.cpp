// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/HerculesEntry.h"
#include "core/CodeTables.h"
#include "core/EntryLoader.h"
#include "core/ItemDatabase.h"
#include "core/LineCheck.h"
#include "core/TextEntry.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

using namespace grimlark;

namespace {

const std::string kPoring = "{\n"
                            "\tId: 1002\n"
                            "\tSpriteName: \"PORING\"\n"
                            "\tName: \"Poring\"\n";

bool anyNoteHas(const LoadResult &result, const std::string &words)
{
    for (const std::string &note : result.notes)
        if (note.find(words) != std::string::npos)
            return true;
    return false;
}

struct GroupRow {
    const char *name;
    std::string settings; ///< after kPoring's, before "},"
    std::function<void(const MonsterEntry &, const LoadResult &)> check;
};
[[maybe_unused]] void PrintTo(const GroupRow &row, std::ostream *out)
{
    *out << row.name;
}

class Groups : public testing::TestWithParam<GroupRow> {};

// What Hercules takes from a group is what its boxes hold, its defaults
// where a setting is absent; what it ignores or reads otherwise is said; and
// whatever was read, the group comes back as it stood.
TEST_P(Groups, LoadAsHerculesReadsThem)
{
    const std::string text = kPoring + GetParam().settings + "},";
    MonsterEntry entry;
    const LoadResult result = LoadEntryIntoEditor(text, entry);
    ASSERT_TRUE(result.loaded()) << result.message();
    EXPECT_EQ(entry.carried.layout, Layout::Hercules);
    GetParam().check(entry, result);
    EXPECT_EQ(BuildTextEntry(entry), text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Groups,
    testing::Values(
        GroupRow{"Defaults", "",
                 [](const MonsterEntry &entry, const LoadResult &result) {
                     EXPECT_TRUE(result.notes.empty());
                     EXPECT_EQ(entry.Name, "PORING");
                     EXPECT_EQ(entry.JName, "Poring");
                     EXPECT_EQ(entry.Lvl, "1");
                     EXPECT_EQ(entry.Range1, "1");
                     EXPECT_EQ(entry.ADelay, "4000");
                     EXPECT_EQ(entry.aMotion, "2000");
                     EXPECT_EQ(entry.Speed, "0");
                     EXPECT_EQ(entry.STR, "0");
                 }},
        GroupRow{"ValuesOfTheirForms",
                 "\tAttack: [7, 10]\n\tStats: {\n\t\tStr: 1\n\t\tLuk: 30\n\t}\n"
                 "\tElement: (\"Ele_Water\", 2)\n\tSize: \"Size_Medium\"\n\tRace: 3\n",
                 [](const MonsterEntry &entry, const LoadResult &) {
                     EXPECT_EQ(entry.ATK1, "7");
                     EXPECT_EQ(entry.ATK2, "10");
                     EXPECT_EQ(entry.STR, "1");
                     EXPECT_EQ(entry.LUK, "30");
                     EXPECT_EQ(entry.AGI, "0");
                     EXPECT_EQ(entry.Element, 1);
                     EXPECT_EQ(entry.ELvl, 1);
                     EXPECT_EQ(entry.Scale, 1);
                     EXPECT_EQ(entry.Race, 3);
                 }},
        GroupRow{"OneNumberForMany", "\tAttack: 9\n\tStats: 4\n",
                 [](const MonsterEntry &entry, const LoadResult &) {
                     EXPECT_EQ(entry.ATK2, "9");
                     EXPECT_EQ(entry.DEX, "4");
                 }},
        GroupRow{"ModesByMeaning",
                 "\tMode: {\n\t\tCanMove: true\n\t\tCastSensorChase: true\n"
                 "\t\tNoKnockback: true\n\t}\n",
                 [](const MonsterEntry &entry, const LoadResult &) {
                     EXPECT_TRUE(entry.Mode[CanMove]);
                     EXPECT_TRUE(entry.Mode[ChangeTarget]);
                     EXPECT_EQ(entry.carried.modeAbove, 0x8000);
                 }},
        GroupRow{"ANameTwiceIsTwoDrops",
                 "\tDrops: {\n\t\tApple: 1000\n\t\tApple: (150, \"Group\")\n"
                 "\t\t3rd_Floor_Pass: 0\n\t}\n",
                 [](const MonsterEntry &entry, const LoadResult &result) {
                     EXPECT_EQ(entry.DropID2, "Apple");
                     EXPECT_EQ(entry.Drop2Per, "150");
                     EXPECT_EQ(entry.DropID3, "0");
                     EXPECT_TRUE(anyNoteHas(result, "skips the drop \"3rd_Floor_Pass\""));
                     EXPECT_NE(alsoInThisGroup(entry).find("option group"), std::string::npos);
                 }},
        GroupRow{"UndefinedConstantsDefault",
                 "\tRace: \"RC_Human\"\n\tSize: \"size_large\"\n\tRaceGroup: \"RC2_GOBLIN\"\n",
                 [](const MonsterEntry &entry, const LoadResult &result) {
                     EXPECT_EQ(entry.Race, 0);
                     EXPECT_EQ(entry.Scale, 0);
                     EXPECT_TRUE(anyNoteHas(result, "defines no such constant"));
                     EXPECT_TRUE(anyNoteHas(result, "this one is \"Size_Large\""));
                     EXPECT_TRUE(anyNoteHas(result, "this one is \"RC2_Goblin\""));
                 }},
        GroupRow{"NegativesAndStringsKeepTheDefault", "\tLv: -3\n\tHp: \"MAX_HP\"\n",
                 [](const MonsterEntry &entry, const LoadResult &result) {
                     EXPECT_EQ(entry.Lvl, "1");
                     EXPECT_EQ(entry.HP, "1");
                     EXPECT_TRUE(anyNoteHas(result, "ignores a negative Lv"));
                 }},
        GroupRow{"AnElementOfOneValue", "\tElement: (\"Ele_Fire\")\n",
                 [](const MonsterEntry &entry, const LoadResult &result) {
                     EXPECT_EQ(entry.Element, 3);
                     EXPECT_TRUE(anyNoteHas(result, "crashes"));
                 }},
        GroupRow{"UnknownAndWrongCaseSettings", "\tHP: 5\n\tFoo: 1\n",
                 [](const MonsterEntry &, const LoadResult &result) {
                     EXPECT_TRUE(anyNoteHas(result, "this one is \"Hp\""));
                     EXPECT_TRUE(anyNoteHas(result, "\"Foo\", which it does not know"));
                 }}));

// A changed value changes its own setting; one newly needed goes where
// Hercules' order puts it; the rest stays as written.
TEST(HerculesEntry, ChangesOnlyWhatChanged)
{
    MonsterEntry entry;
    ASSERT_TRUE(LoadEntryIntoEditor(
                    kPoring + "\tLv: 1 // first\r\n\tDrops: {\n\t\tApple: 5\n\t}\n},", entry)
                    .loaded());
    entry.HP = "50";
    entry.Drop1Per = "6";
    entry.carried.hasOtherName = true;
    entry.carried.otherName = "ポリン";
    EXPECT_EQ(BuildTextEntry(entry), kPoring +
                                         "\tJName: \"ポリン\"\r\n\tLv: 1 // first\r\n"
                                         "\tHp: 50\r\n\tDrops: {\r\n\t\tApple: 6\r\n\t}\r\n},");
}

// A monster of another layout is written in Hercules' style, and loads back
// as the same monster.
TEST(HerculesEntry, ComposedInHerculesStyle)
{
    MonsterEntry entry = startupEntry();
    entry.carried.layout = Layout::Hercules;
    entry.ID = "1001";
    entry.Scale = entry.Race = entry.Element = entry.ELvl = 0;
    entry.DropID1 = "Jellopy";
    entry.Drop1Per = "7000";
    const std::string written = BuildTextEntry(entry);
    EXPECT_EQ(written.substr(0, 12), "{\n\tId: 1001\n");
    EXPECT_NE(written.find("\tAttack: ["), std::string::npos);
    EXPECT_NE(written.find("\tDrops: {\n\t\tJellopy: 7000\n\t}\n},"), std::string::npos);
    MonsterEntry back;
    ASSERT_TRUE(LoadEntryIntoEditor(written, back).loaded());
    back.carried.config = nullptr;
    EXPECT_EQ(BuildTextEntry(back), written);
}

// Between rAthena and Hercules a drop goes through its item's ID: the two
// spell 806 of their items otherwise.
TEST(HerculesEntry, ConvertedThroughTheItemsId)
{
    ItemDatabase rathena, hercules;
    rathena.add({904, "Scorpion's_Tail", "Scorpion Tail"});
    hercules.add({904, "Scorpions_Tail", "Scorpion Tail"});
    const std::string yaml = "  - Id: 1001\n    AegisName: SCORPION\n    Name: Scorpion\n"
                             "    Drops:\n      - Item: Scorpion's_Tail\n        Rate: 5500";
    const ConvertedLine converted = convertLine(yaml, yaml, Layout::Hercules, false, FileKind::Yaml,
                                                "UTF-8", {&rathena, &hercules});
    EXPECT_NE(converted.bytes.find("\t\tScorpions_Tail: 5500\n"), std::string::npos)
        << converted.bytes;
    const ConvertedLine back = convertLine(converted.bytes, converted.bytes, Layout::RathenaYaml,
                                           false, FileKind::Config, "UTF-8", {&hercules, &rathena});
    EXPECT_NE(back.bytes.find("Item: Scorpion's_Tail"), std::string::npos) << back.bytes;
}

const std::string kMainPoring = kPoring + "\tLv: 3\n\tMode: {\n\t\tCanMove: true\n\t}\n"
                                          "\tDrops: {\n\t\tJellopy: 7000\n\t\tApple: 1000\n\t}\n},";

struct InheritRow {
    const char *name;
    std::string settings; ///< after "{ Id: 1002 Inherit: true"
    std::function<void(MonsterEntry &)> edit;
    std::string written; ///< the settings written after the edit; empty: as they were
    std::function<void(const MonsterEntry &)> check;
};
[[maybe_unused]] void PrintTo(const InheritRow &row, std::ostream *out)
{
    *out << row.name;
}

class Inherits : public testing::TestWithParam<InheritRow> {};

// A group of `Inherit: true` is the monster before with its settings over
// it, and is written as its own settings, and what differs from that one.
TEST_P(Inherits, AsHerculesMakesThem)
{
    const InheritRow &row = GetParam();
    const std::string head = "{\n\tId: 1002\n\tInherit: true\n";
    MonsterEntry entry;
    const LoadResult result =
        loadHerculesInherit(head + row.settings + "},", kMainPoring, "mob_db.conf line 3", entry);
    ASSERT_TRUE(result.loaded()) << result.message();
    EXPECT_TRUE(anyNoteHas(result, "mob_db.conf line 3"));
    EXPECT_EQ(entry.Name, "PORING");
    if (row.check)
        row.check(entry);
    if (row.edit)
        row.edit(entry);
    const std::string written = row.written.empty()          ? head + row.settings + "},"
                                : row.written.front() == '{' ? row.written
                                                             : head + row.written + "},";
    EXPECT_EQ(BuildTextEntry(entry), written);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Inherits,
    testing::Values(
        InheritRow{"OneSetting", "\tHp: 99\n", nullptr, "",
                   [](const MonsterEntry &entry) {
                       EXPECT_EQ(entry.HP, "99");
                       EXPECT_EQ(entry.Lvl, "3");
                       EXPECT_TRUE(entry.Mode[CanMove]);
                       EXPECT_EQ(entry.DropID2, "Apple");
                   }},
        InheritRow{"AnEmptyModeClearsThem", "\tMode: {\n\t}\n", nullptr, "",
                   [](const MonsterEntry &entry) { EXPECT_FALSE(entry.Mode[CanMove]); }},
        InheritRow{"DropsSlotBySlot", "\tDrops: {\n\t\tKnife: 5\n\t}\n", nullptr, "",
                   [](const MonsterEntry &entry) {
                       EXPECT_EQ(entry.DropID1, "Knife");
                       EXPECT_EQ(entry.DropID2, "Apple");
                   }},
        InheritRow{"ASettingOfTheMonsterBefore", "\tHp: 99\n",
                   // Where Hercules' order puts it: before Inherit, which its
                   // files write last.
                   [](MonsterEntry &entry) { entry.Lvl = "5"; },
                   "{\n\tId: 1002\n\tLv: 5\n\tInherit: true\n\tHp: 99\n},", nullptr},
        InheritRow{"BackAsBefore", "\tLv: 5\n", [](MonsterEntry &entry) { entry.Lvl = "3"; },
                   "\tLv: 3\n", nullptr}));

} // namespace
