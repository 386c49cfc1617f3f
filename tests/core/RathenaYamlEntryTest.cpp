// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/RathenaYamlEntry.h"
#include "core/CodeTables.h"
#include "core/DropSlots.h"
#include "core/EntryLoader.h"
#include "core/EntryWarnings.h"
#include "core/Layout.h"
#include "core/RathenaModes.h"
#include "core/ServerRules.h"
#include "core/TextEntry.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

using namespace grimlark;

namespace {

const std::string kPoring = "  - Id: 1002\n"
                            "    AegisName: PORING\n"
                            "    Name: Poring\n";

long long modeOf(const MonsterEntry &entry)
{
    return modeNumberOf(formatOf(Layout::RathenaYaml), entry.Mode, entry.carried.modeAbove);
}

bool anyNoteHas(const LoadResult &result, const std::string &words)
{
    for (const std::string &note : result.notes)
        if (note.find(words) != std::string::npos)
            return true;
    return false;
}

struct ReadRow {
    const char *name;
    std::string keys; ///< after kPoring's
    std::function<void(const MonsterEntry &, const LoadResult &)> check;
};
[[maybe_unused]] void PrintTo(const ReadRow &row, std::ostream *out)
{
    *out << row.name;
}

class Reads : public testing::TestWithParam<ReadRow> {};

// What rAthena takes from an entry is what its boxes hold, its defaults
// where a key is absent; what it ignores or reads otherwise is said; and
// whatever was read, the entry is written back as it stood.
TEST_P(Reads, AsRathenaDoes)
{
    const std::string text = kPoring + GetParam().keys;
    MonsterEntry entry;
    const LoadResult result = LoadEntryIntoEditor(text, entry);
    ASSERT_TRUE(result.loaded()) << result.message();
    EXPECT_EQ(entry.carried.layout, Layout::RathenaYaml);
    GetParam().check(entry, result);
    EXPECT_EQ(BuildTextEntry(entry), text.substr(0, text.size() - 1));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Reads,
    testing::Values(
        ReadRow{"Defaults", "",
                [](const MonsterEntry &e, const LoadResult &r) {
                    EXPECT_TRUE(r.notes.empty());
                    EXPECT_EQ(e.Name, "PORING");
                    EXPECT_EQ(e.JName, "Poring");
                    EXPECT_EQ(e.Lvl, "1");
                    EXPECT_EQ(e.HP, "1");
                    EXPECT_EQ(e.STR, "1");
                    EXPECT_EQ(e.Speed, "150");
                    EXPECT_EQ(e.ADelay, "100");
                    EXPECT_EQ(e.Range3, "0");
                    EXPECT_EQ(e.DropID1, "0");
                    EXPECT_EQ(e.Scale, 0);
                    EXPECT_EQ(e.ELvl, 0);
                    EXPECT_EQ(modeOf(e), 0);
                }},
        ReadRow{"WrongCaseKey", "    HP: 50\n",
                [](const MonsterEntry &e, const LoadResult &r) {
                    EXPECT_EQ(e.HP, "1");
                    EXPECT_TRUE(anyNoteHas(r, "\"Hp\"")) << r.notes.size();
                }},
        ReadRow{"UnknownKey", "    Colour: pink\n",
                [](const MonsterEntry &, const LoadResult &r) {
                    EXPECT_TRUE(anyNoteHas(r, "\"Colour\", which it does not know"));
                }},
        ReadRow{"AiTwoStaysText", "    Ai: 02\n",
                [](const MonsterEntry &e, const LoadResult &) {
                    EXPECT_EQ(modeOf(e), 0x83);
                    EXPECT_TRUE(e.Mode[CanMove] && e.Mode[Looter] && e.Mode[CanAttack]);
                }},
        ReadRow{"UnknownConstants", "    Size: Tiny\n    Ai: 2\n",
                [](const MonsterEntry &e, const LoadResult &r) {
                    EXPECT_EQ(e.Scale, 0);
                    EXPECT_EQ(modeOf(e), 0);
                    EXPECT_TRUE(anyNoteHas(r, "as Small"));
                    EXPECT_TRUE(anyNoteHas(r, "as 06"));
                }},
        ReadRow{"ConstantsAnyCase", "    Race: demihuman\n    Element: DARK\n    ElementLevel: 3\n",
                [](const MonsterEntry &e, const LoadResult &r) {
                    EXPECT_TRUE(r.notes.empty());
                    EXPECT_EQ(e.Race, 7);
                    EXPECT_EQ(e.Element, 7);
                    EXPECT_EQ(e.ELvl, 2);
                }},
        ReadRow{"ModesClearAfterAi",
                "    Ai: 21\n    Modes:\n      CanMove: false\n      Mvp: true\n",
                [](const MonsterEntry &e, const LoadResult &) {
                    EXPECT_EQ(modeOf(e), (0x3695 & ~1) | 0x80000);
                    EXPECT_FALSE(e.Mode[CanMove]);
                }},
        ReadRow{"ClassBossIsTheBossBox", "    Class: Boss\n",
                [](const MonsterEntry &e, const LoadResult &) {
                    EXPECT_TRUE(e.Mode[Boss] && e.Mode[Detector]);
                    EXPECT_EQ(e.carried.modeAbove, 0);
                }},
        ReadRow{"CarriedKeys",
                "    JapaneseName: Poring JP\n    DamageTaken: 50\n    RaceGroups:\n"
                "      Goblin: true\n",
                [](const MonsterEntry &e, const LoadResult &) {
                    EXPECT_EQ(e.carried.otherName, "Poring JP");
                    const std::string also = alsoInThisLine(e);
                    EXPECT_NE(also.find("DamageTaken"), std::string::npos) << also;
                    EXPECT_NE(also.find("RaceGroups"), std::string::npos) << also;
                }},
        ReadRow{"ElevenDrops",
                [] {
                    std::string drops = "    Drops:\n";
                    for (int i = 1; i <= 11; ++i)
                        drops += "      - Item: Item" + std::to_string(i) +
                                 "\n        Rate: " + std::to_string(i) + "\n";
                    return drops;
                }(),
                [](const MonsterEntry &e, const LoadResult &r) {
                    EXPECT_EQ(e.DropID1, "Item1");
                    EXPECT_EQ(e.DropCardID, "Item10");
                    EXPECT_EQ(e.DropCardPer, "10");
                    EXPECT_TRUE(anyNoteHas(r, "10 Drops at most"));
                }},
        ReadRow{"IndexPastTheDrops",
                "    Drops:\n      - Item: Apple\n        Rate: 1\n      - Item: Jellopy\n"
                "        Rate: 2\n        Index: 3\n      - Item: Card\n        Rate: 3\n"
                "        Index: 10\n",
                [](const MonsterEntry &, const LoadResult &r) {
                    EXPECT_TRUE(anyNoteHas(r, "Index 3, without a word: 1 drop stands"));
                    EXPECT_TRUE(anyNoteHas(r, "Index 10, with a warning"));
                }},
        ReadRow{"RatesOfCarriedKeys", "    DamageTaken: 0\n    GroupId: 10000\n",
                [](const MonsterEntry &, const LoadResult &r) {
                    EXPECT_TRUE(anyNoteHas(r, "its DamageTaken is 1 to 100, not \"0\""));
                    EXPECT_FALSE(anyNoteHas(r, "GroupId"));
                }},
        ReadRow{"CommentsWithin",
                "    Level: 3 # low\n    # Hp: 9\n    Drops:\n      - Item: Jellopy\n"
                "        # a comment in a drop\n        Rate: 7000\n        Index: 0\n",
                [](const MonsterEntry &e, const LoadResult &) {
                    EXPECT_EQ(e.Lvl, "3");
                    EXPECT_EQ(e.HP, "1");
                    EXPECT_EQ(e.Drop1Per, "7000");
                }}),
    [](const auto &test) { return std::string(test.param.name); });

struct RefusedRow {
    const char *name;
    std::string text;
    LoadResult::Status status;
};
[[maybe_unused]] void PrintTo(const RefusedRow &row, std::ostream *out)
{
    *out << row.name;
}
class Refused : public testing::TestWithParam<RefusedRow> {};

// An entry rAthena rejects, or that is no entry, is refused, the editor kept.
TEST_P(Refused, KeepTheEditor)
{
    MonsterEntry entry = startupEntry();
    const LoadResult result = LoadEntryIntoEditor(GetParam().text, entry);
    EXPECT_EQ(result.status, GetParam().status) << result.message();
    EXPECT_FALSE(result.message().empty());
    EXPECT_EQ(entry, startupEntry());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Refused,
    testing::Values(
        RefusedRow{"NotYaml", "- Id: [1001\n", LoadResult::Status::NotAnEntry},
        RefusedRow{"NoId", "- AegisName: PORING\n  Name: Poring", LoadResult::Status::NotAnEntry},
        RefusedRow{"LevelText", kPoring + "    Level: high\n", LoadResult::Status::NotANumber},
        RefusedRow{"ModeNotBoolean", kPoring + "    Modes:\n      Looter: yes\n",
                   LoadResult::Status::NotAnEntry},
        RefusedRow{"DropWithoutRate", kPoring + "    Drops:\n      - Item: Apple\n",
                   LoadResult::Status::NotAnEntry}),
    [](const auto &test) { return std::string(test.param.name); });

// Every Ai value is told back from its Mode number: those that share their
// bits with another (11, 12, 19) as the one rAthena's converter tries first.
TEST(YamlMode, EachAiFromItsBits)
{
    const std::pair<const char *, const char *> ais[] = {
        {"01", "01"}, {"02", "02"}, {"03", "03"}, {"04", "04"}, {"05", "05"}, {"06", "06"},
        {"07", "07"}, {"08", "08"}, {"09", "09"}, {"10", "10"}, {"11", "10"}, {"12", "05"},
        {"13", "13"}, {"17", "17"}, {"19", "09"}, {"20", "20"}, {"21", "21"}, {"24", "24"},
        {"25", "25"}, {"26", "26"}, {"27", "27"}};
    for (const auto &[ai, told] : ais) {
        SCOPED_TRACE(ai);
        const long long bits = aiBits(ai).value();
        const YamlMode mode = yamlModeOf(bits);
        EXPECT_EQ(mode.ai, told);
        EXPECT_EQ(mode.monsterClass, "Normal");
        EXPECT_TRUE(mode.modes.empty());
        EXPECT_EQ(aiBits(mode.ai), bits);
    }
    // Class first, then the Ai, the rest under Modes.
    const YamlMode boss = yamlModeOf(0x6200000 | 0x3695 | 0x80000);
    EXPECT_EQ(boss.monsterClass, "Boss");
    EXPECT_EQ(boss.ai, "21");
    EXPECT_EQ(boss.modes, std::vector<std::string>{"Mvp"});
    EXPECT_EQ(yamlModeOf(0xC000000).monsterClass, "Battlefield");
    EXPECT_EQ(yamlModeOf(0x4000000).monsterClass, "Guardian");
    // A boss of rAthena's text layout, immune without Detector, is a Boss.
    const YamlMode immune = yamlModeOf(0x4200000 | 0x170000 | 0x81);
    EXPECT_EQ(immune.monsterClass, "Boss");
    EXPECT_EQ(immune.ai, "01");
    EXPECT_EQ(immune.modes, (std::vector<std::string>{"IgnoreMagic", "IgnoreMelee", "IgnoreMisc",
                                                      "IgnoreRanged"}));
}

// A changed value changes its own line; a key added goes where rAthena's
// order puts it; the rest, comments and line ends too, stays as it was.
TEST(YamlEntry, ChangesOnlyWhatChanged)
{
    const std::string text = "  - Id: 1002\r\n"
                             "    AegisName: PORING\r\n"
                             "    Name: Poring\r\n"
                             "    Level: 1 # the first\r\n"
                             "    Ai: 02\r\n"
                             "    Drops:\r\n"
                             "      - Item: Jellopy\r\n"
                             "        Rate: 7000\r\n"
                             "      - Item: Apple\r\n"
                             "        Rate: 1000\r\n"
                             "        Index: 1";
    MonsterEntry entry;
    ASSERT_TRUE(LoadEntryIntoEditor(text, entry).loaded());
    entry.HP = "50";
    entry.Drop2Per = "900";
    entry.Mode[Looter] = false;
    entry.DropID3 = "Poring_Card";
    entry.Drop3Per = "1";
    EXPECT_EQ(BuildTextEntry(entry), "  - Id: 1002\r\n"
                                     "    AegisName: PORING\r\n"
                                     "    Name: Poring\r\n"
                                     "    Level: 1 # the first\r\n"
                                     "    Hp: 50\r\n"
                                     "    Ai: 02\r\n"
                                     "    Modes:\r\n"
                                     "      Looter: false\r\n"
                                     "    Drops:\r\n"
                                     "      - Item: Jellopy\r\n"
                                     "        Rate: 7000\r\n"
                                     "      - Item: Apple\r\n"
                                     "        Rate: 900\r\n"
                                     "        Index: 1\r\n"
                                     "      - Item: Poring_Card\r\n"
                                     "        Rate: 1");
}

// A monster of another layout is written in rAthena's style: its key
// order, its defaults left out, the last three drops protected from theft
// as the text layouts protected them, names quoted where YAML needs it.
TEST(YamlEntry, ComposedInRathenasStyle)
{
    MonsterEntry entry = startupEntry();
    entry.carried.layout = Layout::RathenaYaml;
    entry.ID = "1002";
    entry.Name = "PORING";
    entry.JName = "Poring: the pink";
    entry.HP = "1";
    entry.SP = "1";
    entry.EXP = entry.JEXP = entry.MEXP = "0";
    entry.Scale = 1;
    entry.Race = 3;
    entry.Element = 1;
    entry.ELvl = 0;
    entry.ADelay = "0";
    entry.Mode = modeFlagsFor(0x81);
    entry.DropID8 = "Poring_Card";
    entry.Drop8Per = "1";
    const std::string written = BuildTextEntry(entry);
    EXPECT_EQ(written.substr(0, written.find("    Level:")), "  - Id: 1002\n"
                                                             "    AegisName: PORING\n"
                                                             "    Name: \"Poring: the pink\"\n");
    EXPECT_EQ(written.find("    Hp:"), std::string::npos);
    EXPECT_EQ(written.find("    AttackDelay:"), std::string::npos);
    EXPECT_NE(written.find("    Size: Medium\n    Race: Plant\n    Element: Water\n"
                           "    ElementLevel: 1\n"),
              std::string::npos)
        << written;
    EXPECT_NE(written.find("    Ai: 01\n"), std::string::npos) << written;
    EXPECT_NE(written.find("    Drops:\n      - Item: Poring_Card\n        Rate: 1\n"
                           "        StealProtected: true"),
              std::string::npos)
        << written;
    MonsterEntry back;
    ASSERT_TRUE(LoadEntryIntoEditor(written, back).loaded());
    EXPECT_EQ(back.JName, "Poring: the pink");
    EXPECT_EQ(BuildTextEntry(back), written);
}

} // namespace

namespace {

struct JudgedRow {
    const char *name;
    std::function<void(MonsterEntry &)> change;
    const char *field;
    const char *words; ///< in the finding
    bool skips;
};
[[maybe_unused]] void PrintTo(const JudgedRow &row, std::ostream *out)
{
    *out << row.name;
}
class Judged : public testing::TestWithParam<JudgedRow> {};

// rAthena's YAML reader as judge: a value outside its key's type rejects
// the monster, a range it clamps is said, a drop's Rate outside 1 to 10000
// rejects it, and a drop's item, a name, is not read as a number.
TEST_P(Judged, AsRathenasYamlReader)
{
    MonsterEntry entry;
    ASSERT_TRUE(LoadEntryIntoEditor(kPoring + "    Drops:\n      - Item: Jellopy\n        Rate: "
                                              "7000\n",
                                    entry)
                    .loaded());
    const std::vector<Finding> before = textFindings(entry, namesAsHeld(entry));
    EXPECT_TRUE(before.empty()) << before.front().message;
    GetParam().change(entry);
    bool found = false;
    for (const Finding &finding : textFindings(entry, namesAsHeld(entry))) {
        EXPECT_EQ(finding.servers, unsigned(Server::RAthenaYaml));
        if (finding.field == GetParam().field &&
            finding.message.find(GetParam().words) != std::string::npos) {
            found = true;
            EXPECT_EQ(finding.skips, GetParam().skips) << finding.message;
        }
    }
    EXPECT_TRUE(found);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Judged,
    testing::Values(JudgedRow{"DefenseClamped", [](MonsterEntry &e) { e.DEF = "200"; }, "DEF",
                              "stores 127", false},
                    JudgedRow{"LevelNotANumber", [](MonsterEntry &e) { e.Lvl = "9a"; }, "Level",
                              "is no whole number", true},
                    JudgedRow{"LevelPastItsType", [](MonsterEntry &e) { e.Lvl = "70000"; }, "Level",
                              "0 to 65,535", true},
                    JudgedRow{"RateZero", [](MonsterEntry &e) { e.Drop1Per = "0"; }, "Drop 1 Rate",
                              "1 to 10,000", true},
                    JudgedRow{"WalkSpeedClamped", [](MonsterEntry &e) { e.Speed = "5"; },
                              "Movement", "stores 20, with a warning", false},
                    JudgedRow{"DelayRaised",
                              [](MonsterEntry &e) {
                                  e.ADelay = "200";
                                  e.aMotion = "500";
                              },
                              "Atk Delay", "to AttackMotion, 500", false},
                    JudgedRow{"IdOutOfRange", [](MonsterEntry &e) { e.ID = "4000"; }, "ID",
                              "3999 to 20020", true},
                    JudgedRow{"NameOver24", [](MonsterEntry &e) { e.JName = std::string(25, 'P'); },
                              "Display Name", "keeps 24 bytes", false}),
    [](const auto &test) { return std::string(test.param.name); });

} // namespace

namespace {

// An entry of an ID an open file holds already is rAthena's override of it:
// its drops without an Index are added to that entry's, which is said.
TEST(YamlEntry, OverridesSayWhereDropsGo)
{
    const IdLookup elsewhere = [](const std::string &) {
        return std::optional<std::string>("db/re/mob_db.yml line 40");
    };
    const auto warned = [&elsewhere](const std::string &drops) {
        MonsterEntry entry;
        EXPECT_TRUE(LoadEntryIntoEditor(kPoring + drops, entry).loaded());
        for (const std::string &warning : entryWarnings(entry, elsewhere, Output::Text))
            if (warning.rfind("Drops: in an import file rAthena reads", 0) == 0)
                return warning;
        return std::string();
    };
    EXPECT_NE(warned("    Drops:\n      - Item: Apple\n        Rate: 5\n"
                     "      - Item: Jellopy\n        Rate: 5\n        Index: 0\n")
                  .find("adds its 1 drop without an Index"),
              std::string::npos);
    EXPECT_EQ(warned("    Drops:\n      - Item: Apple\n        Rate: 5\n        Index: 2\n"), "");
    EXPECT_EQ(warned(""), "");
}

const std::string kMainPoring = "  - Id: 1002\n"
                                "    AegisName: PORING\n"
                                "    Name: Poring\n"
                                "    Hp: 55\n"
                                "    Ai: 02\n"
                                "    Modes:\n"
                                "      Detector: true\n"
                                "    Drops:\n"
                                "      - Item: Jellopy\n"
                                "        Rate: 7000\n"
                                "      - Item: Apple\n"
                                "        Rate: 1000\n";

std::string dropsOf(const MonsterEntry &entry)
{
    std::string drops;
    for (const DropSlot &slot : kDropSlots)
        if (hasDrop(entry, slot))
            drops += entry.*slot.item + " " + entry.*slot.rate + ";";
    return drops;
}

struct OverrideRow {
    const char *name;
    std::string text; ///< the import file's entry
    std::string drops;
    std::function<void(const MonsterEntry &, const LoadResult &)> check;
};
[[maybe_unused]] void PrintTo(const OverrideRow &row, std::ostream *out)
{
    *out << row.name;
}

class Overrides : public testing::TestWithParam<OverrideRow> {};

// An import file's entry of an Id the main database holds is what rAthena
// makes of the two, and comes back as its own bytes.
TEST_P(Overrides, LoadAsRathenaResolvesThem)
{
    const OverrideRow &row = GetParam();
    MonsterEntry entry;
    const LoadResult result = loadYamlOverride(row.text, kMainPoring, "mob_db.yml line 3", entry);
    ASSERT_TRUE(result.loaded()) << result.message();
    EXPECT_TRUE(anyNoteHas(result, "mob_db.yml line 3"));
    EXPECT_EQ(dropsOf(entry), row.drops);
    if (row.check)
        row.check(entry, result);
    EXPECT_EQ(BuildTextEntry(entry), withoutTrailingBlankLines(row.text));
}

const long long kAi02 = 0x83, kDetector = 0x2000000;

INSTANTIATE_TEST_SUITE_P(
    YamlEntry, Overrides,
    testing::Values(
        OverrideRow{"OneKey", "  - Id: 1002\n    Hp: 99\n", "Jellopy 7000;Apple 1000;",
                    [](const MonsterEntry &entry, const LoadResult &) {
                        EXPECT_EQ(entry.HP, "99");
                        EXPECT_EQ(entry.Name, "PORING");
                        EXPECT_EQ(modeOf(entry), kAi02 | kDetector);
                    }},
        OverrideRow{"DropAdded", "  - Id: 1002\n    Drops:\n      - Item: Knife\n        Rate: 5\n",
                    "Jellopy 7000;Apple 1000;Knife 5;", nullptr},
        OverrideRow{"DropAtIndex",
                    "  - Id: 1002\n    Drops:\n      - Item: Knife\n        Rate: 5\n"
                    "        Index: 0\n",
                    "Knife 5;Apple 1000;", nullptr},
        OverrideRow{"IndexPastTheDrops",
                    "  - Id: 1002\n    Drops:\n      - Item: Knife\n        Rate: 5\n"
                    "        Index: 3\n",
                    "Jellopy 7000;Apple 1000;",
                    [](const MonsterEntry &, const LoadResult &result) {
                        EXPECT_TRUE(anyNoteHas(result, "without a word: 2 drops stand"));
                    }},
        OverrideRow{"PastTheMost",
                    "  - Id: 1002\n    Drops:\n" +
                        [] {
                            std::string drops;
                            for (int i = 0; i < 9; ++i)
                                drops +=
                                    "      - Item: Knife\n        Rate: " + std::to_string(i + 1) +
                                    "\n";
                            return drops;
                        }(),
                    "Jellopy 7000;Apple 1000;Knife 1;Knife 2;Knife 3;Knife 4;Knife 5;Knife 6;Knife "
                    "7;Knife 8;",
                    [](const MonsterEntry &entry, const LoadResult &result) {
                        EXPECT_TRUE(anyNoteHas(result, "skips 1 of this entry's Drops"));
                        EXPECT_EQ(entry.DropCardID, "Knife");
                        EXPECT_EQ(entry.DropCardPer, "8");
                    }},
        OverrideRow{"ModesChangeTheModeBefore", "  - Id: 1002\n    Modes:\n      Looter: false\n",
                    "Jellopy 7000;Apple 1000;",
                    [](const MonsterEntry &entry, const LoadResult &) {
                        EXPECT_EQ(modeOf(entry), (kAi02 & ~0x2) | kDetector);
                    }},
        OverrideRow{
            "AnAiSetsTheModeAnew", "  - Id: 1002\n    Ai: 01\n", "Jellopy 7000;Apple 1000;",
            [](const MonsterEntry &entry, const LoadResult &) { EXPECT_EQ(modeOf(entry), 0x81); }},
        OverrideRow{"ANameLeavesTheJapaneseName", "  - Id: 1002\n    Name: Red Poring\n",
                    "Jellopy 7000;Apple 1000;", [](const MonsterEntry &entry, const LoadResult &) {
                        EXPECT_EQ(entry.JName, "Red Poring");
                        EXPECT_EQ(entry.carried.otherName, "Poring");
                    }}));

struct OverrideEdit {
    const char *name;
    std::string text; ///< the import file's entry
    std::function<void(MonsterEntry &)> edit;
    std::string written;
};
[[maybe_unused]] void PrintTo(const OverrideEdit &row, std::ostream *out)
{
    *out << row.name;
}

class OverrideEdits : public testing::TestWithParam<OverrideEdit> {};

// What an override is written as says what changed from the entry before:
// its own keys, and the others where they differ from that entry's.
TEST_P(OverrideEdits, WriteWhatDiffersFromTheEntryBefore)
{
    MonsterEntry entry;
    ASSERT_TRUE(loadYamlOverride(GetParam().text, kMainPoring, "there", entry).loaded());
    GetParam().edit(entry);
    EXPECT_EQ(BuildTextEntry(entry), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    YamlEntry, OverrideEdits,
    testing::Values(
        OverrideEdit{"AKeyOfTheEntryBefore", "  - Id: 1002\n    Level: 3\n",
                     [](MonsterEntry &entry) { entry.HP = "1"; },
                     "  - Id: 1002\n    Level: 3\n    Hp: 1"},
        OverrideEdit{"BackAsBefore", "  - Id: 1002\n    Level: 3\n",
                     [](MonsterEntry &entry) { entry.Lvl = "1"; }, "  - Id: 1002\n    Level: 1"},
        OverrideEdit{"ADropBeforeAtItsIndex", "  - Id: 1002\n    Level: 3\n",
                     [](MonsterEntry &entry) { entry.Drop2Per = "500"; },
                     "  - Id: 1002\n    Level: 3\n    Drops:\n      - Item: Apple\n"
                     "        Rate: 500\n        Index: 1"},
        OverrideEdit{"ItsOwnDropInPlace",
                     "  - Id: 1002\n    Drops:\n      - Item: Knife # sharp\n        Rate: 5\n",
                     [](MonsterEntry &entry) { entry.Drop3Per = "6"; },
                     "  - Id: 1002\n    Drops:\n      - Item: Knife # sharp\n        Rate: 6"},
        OverrideEdit{"AModeOfTheEntryBeforeCleared", "  - Id: 1002\n    Level: 3\n",
                     [](MonsterEntry &entry) { entry.Mode[Detector] = false; },
                     "  - Id: 1002\n    Level: 3\n    Modes:\n      Detector: false"}));

// Where a box of the entry before is emptied, rAthena keeps that drop: an
// override cannot take one out, which is said.
TEST(YamlEntry, AnOverrideCannotTakeADropOut)
{
    MonsterEntry entry;
    ASSERT_TRUE(
        loadYamlOverride("  - Id: 1002\n    Level: 3\n", kMainPoring, "there", entry).loaded());
    EXPECT_EQ(overrideWarning(entry), "");
    entry.DropID1 = "0";
    EXPECT_NE(overrideWarning(entry).find("keeps Drop 1 Item ID \"Jellopy\""), std::string::npos);
    MonsterEntry plain;
    ASSERT_TRUE(LoadEntryIntoEditor(kMainPoring, plain).loaded());
    plain.carried.dropsByIndex = true;
    EXPECT_EQ(overrideWarning(plain), "");
    EXPECT_NE(BuildTextEntry(plain).find("Rate: 1000\n        Index: 1"), std::string::npos);
}

} // namespace
