// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/TextEntry.h"
#include "core/CodeTables.h"
#include "tests/common/Fixtures.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace grimlark;
using namespace grimlark::test; // the fixtures and the field positions

TEST(BuildTextEntry, StartupLineFieldByField)
{
    const std::string expected = "7000,Mob_Name,Mob Name,1,100,100,10,10,1,10,20,4,4,5,5,5,5,5,5,"
                                 "10,12,-1,-1,-1,0,200,1500,562,288,"
                                 "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
    const std::string line = BuildTextEntry(startupEntry());
    EXPECT_EQ(line, expected);
    EXPECT_EQ(splitFields(line).size(), 57u);
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), 56);
}

struct ElementCase {
    ListPosition level, element;
    const char *code;
};

/// Names the row in test output, instead of dumping its bytes.
[[maybe_unused]] void PrintTo(ElementCase row, std::ostream *out)
{
    *out << "code \"" << row.code << '"';
}

class WrittenElementCode : public testing::TestWithParam<ElementCase> {};

TEST_P(WrittenElementCode, IsLevelDigitThenElementAndReadsBack)
{
    MonsterEntry entry = startupEntry();
    entry.ELvl = GetParam().level;
    entry.Element = GetParam().element;
    EXPECT_EQ(splitFields(BuildTextEntry(entry))[kElement], GetParam().code);
    const std::optional<ElementCode> read = readElementCode(GetParam().code);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->level, GetParam().level);
    EXPECT_EQ(read->element, GetParam().element);
    EXPECT_TRUE(read->asWritten);
}

TEST(ElementCodes, ReadAsTheServersReadThem)
{
    // A code the generator writes otherwise is still an element; a number with
    // no level 1 to 4, or text, is none.
    const struct {
        const char *text;
        ListPosition level, element;
    } read[] = {{"56", 1, 6}, {"05", -1, 5}, {" 23 ", 0, 3}, {"99", 3, 9}};
    for (const auto &row : read) {
        const std::optional<ElementCode> code = readElementCode(row.text);
        ASSERT_TRUE(code) << row.text;
        EXPECT_EQ(code->level, row.level) << row.text;
        EXPECT_EQ(code->element, row.element) << row.text;
    }
    EXPECT_FALSE(readElementCode("56")->asWritten);
    EXPECT_TRUE(readElementCode(" 23 ")->asWritten);
    for (const char *none : {"", "19", "100", "1-1", "-2", "2x", "0x23", "12345"})
        EXPECT_FALSE(readElementCode(none)) << none;
}

INSTANTIATE_TEST_SUITE_P(Codes, WrittenElementCode,
                         testing::Values(ElementCase{0, 0, "20"}, ElementCase{3, 9, "89"},
                                         ElementCase{0, 3, "23"}, ElementCase{2, 7, "67"},
                                         ElementCase{0, -1, "2-1"}, ElementCase{3, -1, "8-1"},
                                         ElementCase{-1, 3, "3"}, ElementCase{-1, -1, "-1"}));

struct ModeCase {
    std::vector<ModeFlag> flags;
    const char *mode;
};

/// Names the row in test output, instead of dumping its bytes.
[[maybe_unused]] void PrintTo(const ModeCase &row, std::ostream *out)
{
    *out << "Mode " << row.mode;
}

class ModeSum : public testing::TestWithParam<ModeCase> {};

TEST_P(ModeSum, AddsTheWeightsOfTickedFlags)
{
    MonsterEntry entry = startupEntry();
    for (ModeFlag flag : GetParam().flags)
        entry.Mode[std::size_t(flag)] = true;
    EXPECT_EQ(splitFields(BuildTextEntry(entry))[kMode], GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(
    Sums, ModeSum,
    testing::Values(ModeCase{{}, "0"}, ModeCase{{CanMove, Aggressive, CanAttack}, "133"},
                    ModeCase{{Angry}, "2048"}, ModeCase{{Plant}, "64"},
                    ModeCase{{CanMove, Looter, Aggressive, Assist, CastSensor, Boss, Plant,
                              CanAttack, Detector, ChangeTarget, ChangeChase, Angry},
                             "4095"}));

TEST(BuildTextEntry, ListPositionsAreWrittenInDecimal)
{
    MonsterEntry entry = startupEntry();
    entry.Scale = 2;
    entry.Race = 11;
    const auto fields = splitFields(BuildTextEntry(entry));
    EXPECT_EQ(fields[kScale], "2");
    EXPECT_EQ(fields[kRace], "11");
}

TEST(BuildTextEntry, TextsAreWrittenExactlyAsHeld)
{
    MonsterEntry entry = startupEntry();
    entry.Name = "Poring, King";
    entry.JName = " spaced ";
    entry.HP = "";
    const std::string line = BuildTextEntry(entry);
    EXPECT_EQ(line.substr(0, 36), "7000,Poring, King, spaced ,1,,100,10");
    EXPECT_EQ(splitFields(line).size(), 58u); // the comma in the name splits it
}

TEST(BuildTextEntry, DropPairsStandInOrderAfterDMotion)
{
    MonsterEntry entry = startupEntry();
    entry.DropID1 = "501";
    entry.Drop1Per = "7000";
    entry.DropID9 = "909";
    entry.Drop9Per = "1";
    entry.DropCardID = "4001";
    entry.MVP3Per = "end";
    const auto fields = splitFields(BuildTextEntry(entry));
    EXPECT_EQ(fields[kDMotion], "288");
    EXPECT_EQ(fields[kDropID1], "501");
    EXPECT_EQ(fields[kDrop1Per], "7000");
    EXPECT_EQ(fields[45], "909");
    EXPECT_EQ(fields[46], "1");
    EXPECT_EQ(fields[47], "4001");
    EXPECT_EQ(fields[56], "end");
}
