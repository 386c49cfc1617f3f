// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/EntryLoader.h"
#include "core/CodeTables.h"
#include "core/FieldTable.h"
#include "core/TextEntry.h"
#include "core/Utf8.h"
#include "tests/common/Fixtures.h"

#include <gtest/gtest.h>

#include <ostream>

#include <random>

using namespace grimlark;
using namespace grimlark::test; // the fixtures and the field positions
using Status = LoadResult::Status;

namespace {

ModeFlags flagsOf(std::initializer_list<ModeFlag> set)
{
    ModeFlags flags{};
    for (ModeFlag flag : set)
        flags[std::size_t(flag)] = true;
    return flags;
}

MonsterEntry loaded(const std::string &line, MonsterEntry entry = startupEntry())
{
    const LoadResult result = LoadEntryIntoEditor(line, entry);
    EXPECT_TRUE(result.loaded()) << line << ": " << result.message();
    return entry;
}

} // namespace

TEST(LoadEntry, SetsListsElementAndMode)
{
    const MonsterEntry entry =
        loaded(lineWith({{kScale, "1"}, {kRace, "3"}, {kElement, "21"}, {kMode, "131"}}));
    EXPECT_EQ(entry.Scale, 1);
    EXPECT_EQ(entry.Race, 3);
    EXPECT_EQ(entry.ELvl, 0);
    EXPECT_EQ(entry.Element, 1);
    EXPECT_EQ(entry.Mode, flagsOf({CanAttack, CanMove, Looter}));
}

TEST(LoadEntry, TextFieldsAreTakenExactly)
{
    std::string line = lineWith(
        {{kID, "1002"}, {kName, " PORING"}, {kJName, ""}, {kSpeed, "400"}, {kLastField, "x y"}});
    const MonsterEntry entry = loaded(line);
    EXPECT_EQ(entry.ID, "1002");
    EXPECT_EQ(entry.Name, " PORING");
    EXPECT_EQ(entry.JName, "");
    EXPECT_EQ(entry.Speed, "400");
    EXPECT_EQ(entry.MVP3Per, "x y");
}

// Blanks around a coded field are the servers' business: they read numbers.
TEST(LoadEntry, CodedFieldsTakeBlanksAlike)
{
    const MonsterEntry entry = loaded(
        lineWith({{kScale, " 1\t"}, {kRace, "\t3 "}, {kElement, "\t21"}, {kMode, " 131\t"}}));
    EXPECT_EQ(entry.Scale, 1);
    EXPECT_EQ(entry.Race, 3);
    EXPECT_EQ(entry.Element, 1);
    EXPECT_EQ(entry.ELvl, 0);
    EXPECT_EQ(entry.Mode, flagsOf({CanAttack, CanMove, Looter}));
}

// A level typed as text is written as typed, and that line loads back.
TEST(LoadEntry, AComposedLineWithATextLevelLoads)
{
    MonsterEntry entry = startupEntry();
    entry.Lvl = "boss";
    entry.ELvl = 1;
    entry.Element = 3;
    EXPECT_EQ(loaded(BuildTextEntry(entry)), entry);
}

struct ModeRow {
    const char *mode;
    ModeFlags flags;
};

/// Names the row in test output, instead of dumping its bytes.
[[maybe_unused]] void PrintTo(const ModeRow &row, std::ostream *out)
{
    *out << "Mode \"" << row.mode << '"';
}

class ModeWeights : public testing::TestWithParam<ModeRow> {};

TEST_P(ModeWeights, TickTheirBoxes)
{
    MonsterEntry before = startupEntry();
    before.Mode.fill(true); // every box is cleared first
    EXPECT_EQ(loaded(lineWith({{kMode, GetParam().mode}}), before).Mode, GetParam().flags);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ModeWeights,
    testing::Values(
        ModeRow{"64", flagsOf({Plant})}, ModeRow{"0", flagsOf({})},
        ModeRow{"128", flagsOf({CanAttack})}, ModeRow{"129", flagsOf({CanAttack, CanMove})},
        ModeRow{"131", flagsOf({CanAttack, CanMove, Looter})},
        ModeRow{"133", flagsOf({CanAttack, CanMove, Aggressive})},
        ModeRow{"137", flagsOf({CanAttack, CanMove, Assist})},
        ModeRow{"139", flagsOf({CanAttack, CanMove, Looter, Assist})},
        ModeRow{"141", flagsOf({CanAttack, CanMove, Aggressive, Assist})},
        ModeRow{"145", flagsOf({CanAttack, CanMove, CastSensor})},
        ModeRow{"149", flagsOf({CanAttack, CanMove, CastSensor, Aggressive})},
        ModeRow{"159", flagsOf({CanAttack, CanMove, CastSensor, Aggressive, Looter, Assist})},
        ModeRow{"171", flagsOf({CanAttack, CanMove, Looter, Assist, Boss})},
        ModeRow{"181", flagsOf({CanAttack, CanMove, Boss, Aggressive, CastSensor})},
        ModeRow{"1461",
                flagsOf({CanAttack, CanMove, Boss, Aggressive, CastSensor, Detector, ChangeChase})},
        ModeRow{"2181", flagsOf({CanAttack, CanMove, Angry, Aggressive})},
        ModeRow{"130", flagsOf({CanAttack, Looter})},
        ModeRow{"1205", flagsOf({CanMove, Aggressive, CastSensor, Boss, CanAttack, ChangeChase})},
        ModeRow{"4095", flagsOf({CanMove, Looter, Aggressive, Assist, CastSensor, Boss, Plant,
                                 CanAttack, Detector, ChangeTarget, ChangeChase, Angry})},
        // Compared as numbers.
        ModeRow{"131.0", flagsOf({CanAttack, CanMove, Looter})},
        ModeRow{" 133 ", flagsOf({CanAttack, CanMove, Aggressive})}));

struct ElementRow {
    const char *field;
    ListPosition levelBefore, level, element;
};

/// Names the row in test output, instead of dumping its bytes.
[[maybe_unused]] void PrintTo(ElementRow row, std::ostream *out)
{
    *out << "Element \"" << row.field << '"';
}

class ElementField : public testing::TestWithParam<ElementRow> {};

TEST_P(ElementField, SetsLevelAndElement)
{
    MonsterEntry before = startupEntry();
    before.ELvl = GetParam().levelBefore;
    before.Element = 5;
    const MonsterEntry entry = loaded(lineWith({{kElement, GetParam().field}}), before);
    EXPECT_EQ(entry.ELvl, GetParam().level);
    EXPECT_EQ(entry.Element, GetParam().element);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ElementField,
    testing::Values(ElementRow{"21", -1, 0, 1}, ElementRow{"89", -1, 3, 9},
                    ElementRow{"67", 0, 2, 7},
                    ElementRow{"9", 2, -1, 9}, // one digit: no level, whatever was shown
                    ElementRow{"0", 2, -1, 0}, ElementRow{"4", -1, -1, 4},
                    ElementRow{"-1", 3, -1, -1}, // neither, whatever was shown
                    ElementRow{"2-1", 3, 0, -1}, ElementRow{"8-1", -1, 3, -1}));

// The same line loads the same after any other: "0" after a level-3 "62".
TEST(LoadEntry, ElementLevelComesFromTheLineAlone)
{
    for (const char *code : {"0", "-1"}) {
        MonsterEntry entry = startupEntry();
        ASSERT_TRUE(LoadEntryIntoEditor(lineWith({{kElement, "62"}}), entry).loaded());
        ASSERT_EQ(entry.ELvl, 2);
        ASSERT_TRUE(LoadEntryIntoEditor(lineWith({{kElement, code}}), entry).loaded());
        EXPECT_EQ(grimlark::test::splitFields(BuildTextEntry(entry))[kElement], code);
    }
}

struct Refusal {
    std::string line;
    Status status;
    const char *field;
    const char *value;
};

/// Names the row in test output, instead of dumping its bytes.
[[maybe_unused]] void PrintTo(const Refusal &row, std::ostream *out)
{
    *out << row.line.substr(0, 60);
}

class Refusals : public testing::TestWithParam<Refusal> {};

TEST_P(Refusals, LeaveTheEntryAsItWas)
{
    MonsterEntry entry = startupEntry();
    entry.Scale = 2;
    entry.ELvl = 1;
    entry.Mode[Boss] = true;
    const MonsterEntry before = entry;
    const LoadResult result = LoadEntryIntoEditor(GetParam().line, entry);
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_EQ(result.field, GetParam().field);
    EXPECT_EQ(result.value, GetParam().value);
    EXPECT_FALSE(result.message().empty());
    EXPECT_EQ(entry, before);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Refusals,
    testing::Values(
        Refusal{"", Status::NoLine, "", ""}, Refusal{"// a comment", Status::CommentLine, "", ""},
        Refusal{" \t//" + lineWith({}), Status::CommentLine, "", ""},
        Refusal{"1001,SCORPION,Scorpion,24", Status::TooFewFields, "", "4"},
        Refusal{lineWith({}).substr(2), Status::TooFewFields, "", "56"},
        Refusal{lineWith({{kID, "new"}, {kScale, "abc"}}), Status::NotANumber, "Scale", "abc"},
        Refusal{lineWith({{kID, "new"}, {kScale, "3"}}), Status::OutOfRange, "Scale", "3"},
        Refusal{lineWith({{kScale, "-2"}}), Status::OutOfRange, "Scale", "-2"},
        Refusal{lineWith({{kScale, "1.5"}}), Status::NotWholeNumber, "Scale", "1.5"},
        Refusal{lineWith({{kRace, "12"}}), Status::OutOfRange, "Race", "12"},
        Refusal{lineWith({{kRace, ""}}), Status::NotANumber, "Race", ""},
        Refusal{lineWith({{kElement, ""}}), Status::BadElement, "Element", ""},
        Refusal{lineWith({{kElement, "2x"}}), Status::BadElement, "Element", "2x"},
        Refusal{lineWith({{kElement, "-3"}}), Status::BadElement, "Element", "-3"},
        Refusal{lineWith({{kElement, "10"}}), Status::BadElement, "Element", "10"},
        Refusal{lineWith({{kElement, "123"}}), Status::BadElement, "Element", "123"},
        Refusal{lineWith({{kElement, "2x1"}}), Status::BadElement, "Element", "2x1"},
        Refusal{lineWith({{kMode, "abc"}}), Status::NotANumber, "Mode", "abc"},
        Refusal{lineWith({{kMode, "-1"}}), Status::OutOfRange, "Mode", "-1"},
        Refusal{lineWith({{kMode, "99999999999999999999"}}), Status::OutOfRange, "Mode",
                "99999999999999999999"},
        Refusal{lineWith({{kMode, "131.5"}}), Status::NotWholeNumber, "Mode", "131.5"},
        Refusal{lineWith({{kMode, "0x83"}}), Status::NotANumber, "Mode", "0x83"},
        Refusal{lineWith({{kLastField, "7"}}) + ",extra", Status::TooManyFields, "", "58"},
        // A comma in a display name shifts every field after it.
        Refusal{lineWith({{kJName, "Poring, the Great"}}), Status::TooManyFields, "", "58"},
        // Counted by its commas, cut no further than the most fields a layout has.
        Refusal{std::string(999999, ','), Status::TooManyFields, "", "1000000"}));

struct ServerReadRow {
    const char *name;
    std::string line;
    std::size_t field;    ///< the field to look at
    const char *loadedAs; ///< what it generates back as
    const char *note;     ///< a part of the note, or "" for none
};

[[maybe_unused]] void PrintTo(const ServerReadRow &row, std::ostream *out)
{
    *out << row.name;
}

class ServerReads : public testing::TestWithParam<ServerReadRow> {};

// Lines the servers read load as the servers read them, and say so where the
// line Grimlark writes back differs.
TEST_P(ServerReads, LoadAsTheServersReadThem)
{
    MonsterEntry entry = startupEntry();
    const LoadResult result = LoadEntryIntoEditor(GetParam().line, entry);
    ASSERT_TRUE(result.loaded()) << result.message();
    EXPECT_EQ(grimlark::test::splitFields(BuildTextEntry(entry))[GetParam().field],
              GetParam().loadedAs);
    if (*GetParam().note == '\0') {
        EXPECT_TRUE(result.notes.empty());
    } else {
        ASSERT_EQ(result.notes.size(), 1u);
        EXPECT_NE(result.notes[0].find(GetParam().note), std::string::npos) << result.notes[0];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ServerReads,
    testing::Values(
        ServerReadRow{"trailingComment", lineWith({{kID, "1001"}}) + " // Incomplete", kLastField,
                      "0", "\"// Incomplete\", is not carried"},
        ServerReadRow{"commentWithCommas", lineWith({{kID, "1001"}}) + "//a,b,c", kLastField, "0",
                      "is not carried"},
        ServerReadRow{"slashesInAName", lineWith({{kJName, "Mob//Name"}}), kJName, "Mob//Name", ""},
        // Codes the program writes otherwise stay as they stand: they mean the same.
        ServerReadRow{"elementLevelAndElement", lineWith({{kElement, "56"}}), kElement, "56", ""},
        ServerReadRow{"elementAtTheTop", lineWith({{kElement, "99"}}), kElement, "99", ""},
        ServerReadRow{"elementLeadingZero", lineWith({{kElement, " 05"}}), kElement, "05", ""},
        ServerReadRow{"elementAsWritten", lineWith({{kElement, "67"}}), kElement, "67", ""}),
    [](const auto &test) { return std::string(test.param.name); });

struct LayoutRow {
    const char *name;
    std::string line;
    const char *layout; ///< what the message names
};

/// Names the row in test output, instead of dumping its bytes.
[[maybe_unused]] void PrintTo(const LayoutRow &row, std::ostream *out)
{
    *out << row.name;
}

class OtherLayouts : public testing::TestWithParam<LayoutRow> {};

// One short line of each layout of the family: refused as what it is.
TEST_P(OtherLayouts, AreRefusedByName)
{
    MonsterEntry entry = startupEntry();
    const LoadResult result = LoadEntryIntoEditor(GetParam().line, entry);
    EXPECT_EQ(result.status, Status::OtherLayout);
    EXPECT_NE(result.message().find(GetParam().layout), std::string::npos) << result.message();
    EXPECT_EQ(entry, startupEntry());
}

namespace {
/// `fields` comma-joined.
std::string joined(const std::vector<std::string> &fields)
{
    std::string line;
    for (const std::string &field : fields)
        line += (line.empty() ? "" : ",") + field;
    return line;
}
std::vector<std::string> threeNames(int count, const std::string &mode)
{
    std::vector<std::string> fields(size_t(count), "0");
    fields[0] = "1324";
    fields[1] = "TREASURE_BOX1";
    fields[2] = fields[3] = "Treasure Chest";
    fields[4] = "98";
    fields[22] = "2";  // Scale, one place later than in the classic layout
    fields[23] = "0";  // Race
    fields[24] = "20"; // Element
    fields[25] = mode;
    return fields;
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Family, OtherLayouts,
    testing::Values(
        LayoutRow{"jAthena", joined(std::vector<std::string>(55, "1")), "jAthena layout"},
        LayoutRow{"tabAligned", joined(std::vector<std::string>(57, "\t1")), "tab-aligned"}),
    [](const auto &test) { return std::string(test.param.name); });

struct RAthenaRow {
    const char *name;
    const char *mode;
    std::vector<ModeFlag> boxes; ///< ticked by meaning
    int rest;                    ///< the bits no box shows
};
[[maybe_unused]] void PrintTo(const RAthenaRow &row, std::ostream *out)
{
    *out << row.name;
}

class RAthenaLines : public testing::TestWithParam<RAthenaRow> {};

// rAthena's own layout loads, its Mode ticking the boxes by what its bits
// mean, and is written back byte for byte; into the classic layout the boxes
// keep their meaning.
TEST_P(RAthenaLines, LoadByMeaningAndComeBackWhole)
{
    const std::string line = joined(threeNames(57, GetParam().mode));
    MonsterEntry entry = startupEntry();
    const LoadResult result = LoadEntryIntoEditor(line, entry);
    ASSERT_TRUE(result.loaded()) << result.message();
    EXPECT_EQ(entry.carried.layout, Layout::RAthena);
    EXPECT_EQ(entry.Name, "TREASURE_BOX1");
    EXPECT_EQ(entry.Lvl, "98");
    EXPECT_EQ(entry.EXPPer, "0"); // rAthena has none: the start-up value
    for (int flag = 0; flag < ModeFlagCount; ++flag)
        EXPECT_EQ(entry.Mode[std::size_t(flag)],
                  std::count(GetParam().boxes.begin(), GetParam().boxes.end(), flag) == 1)
            << kModeFlags[std::size_t(flag)].caption;
    EXPECT_EQ(entry.carried.modeAbove, GetParam().rest);
    EXPECT_EQ(BuildTextEntry(entry), line);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, RAthenaLines,
    testing::Values(RAthenaRow{"keptBits", "0x881", {CanMove, CanAttack, Angry}, 0},
                    RAthenaRow{"bossClass", "0x6200081", {CanMove, Boss, CanAttack, Detector}, 0},
                    RAthenaRow{"guardianIsNoBoss", "0x4200000", {}, 0x4200000},
                    RAthenaRow{"plantsIgnore", "0x170000", {Plant}, 0},
                    RAthenaRow{"otherMeanings", "0x160", {}, 0x160},
                    RAthenaRow{"castSensorChase", "0x200", {ChangeTarget}, 0},
                    RAthenaRow{"octal", "0131", {CanMove, Assist, CastSensor}, 64}),
    [](const auto &test) { return std::string(test.param.name); });

struct RoundTripRow {
    const char *name;
    std::string line;
    std::string jname;    ///< what the Display Name box gets
    bool scaleLarge;      ///< Scale 2: the coded fields went to their boxes
    bool canMove;         ///< Mode's first box ticked
    int modeAbove;        ///< the flags carried above the boxes
    const char *alsoNote; ///< what "Also in this line" says, "" for nothing
};

[[maybe_unused]] void PrintTo(const RoundTripRow &row, std::ostream *out)
{
    *out << row.name;
}

class RoundTrips : public testing::TestWithParam<RoundTripRow> {};

// Lines of either layout load into the boxes that hold their values, carry
// what has no box, and generate back byte for byte.
TEST_P(RoundTrips, LoadAndComeBackExactly)
{
    MonsterEntry entry = startupEntry();
    const LoadResult result = LoadEntryIntoEditor(GetParam().line, entry);
    ASSERT_TRUE(result.loaded()) << result.message();
    EXPECT_EQ(entry.JName, GetParam().jname);
    EXPECT_EQ(entry.Scale == 2, GetParam().scaleLarge);
    EXPECT_EQ(entry.Mode[CanMove], GetParam().canMove);
    EXPECT_EQ(entry.carried.modeAbove, GetParam().modeAbove);
    EXPECT_EQ(alsoInThisLine(entry), GetParam().alsoNote);
    EXPECT_EQ(BuildTextEntry(entry), GetParam().line);
}

namespace {
std::string later(const std::string &kro, const std::string &iro, const std::string &mode)
{
    std::vector<std::string> fields = threeNames(58, mode);
    fields[2] = kro;
    fields[3] = iro;
    return joined(fields);
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Layouts, RoundTrips,
    testing::Values(
        RoundTripRow{"laterSameNamesHexMode", later("Treasure Chest", "Treasure Chest", "0x81"),
                     "Treasure Chest", true, true, 0, ""},
        RoundTripRow{"laterOtherNameDecimalMode", later("Poporing", "Poring", "129"), "Poporing",
                     true, true, 0, "Also in this line: iRO name \"Poring\"."},
        RoundTripRow{"laterFlagsAboveTheBoxes", later("Hornet", "Hornet", "0x1189"), "Hornet", true,
                     true, 0x1000, "Also in this line: Mode flags 0x1000."},
        RoundTripRow{"aurigaMode4229",
                     lineWith({{kJName, "Poring"}, {kScale, "2"}, {kMode, "4229"}}), "Poring", true,
                     true, 4096, "Also in this line: Mode flags 0x1000."}),
    [](const auto &test) { return std::string(test.param.name); });

TEST(LoadEntry, MessagesNameTheFieldAndValue)
{
    MonsterEntry entry;
    EXPECT_EQ(LoadEntryIntoEditor(lineWith({{kMode, "abc"}}), entry).message(),
              "The Mode value \"abc\" is not a number. The line was not loaded.");
    EXPECT_EQ(LoadEntryIntoEditor("//", entry).message(),
              "Commented lines cannot be loaded into the editor.");
}

TEST(LoadEntry, ScaleOrRaceMinusOneClearsTheSelection)
{
    MonsterEntry before = startupEntry();
    before.Scale = 1;
    before.Race = 4;
    const MonsterEntry entry = loaded(lineWith({{kScale, "-1"}, {kRace, "-1"}}), before);
    EXPECT_EQ(entry.Scale, -1);
    EXPECT_EQ(entry.Race, -1);
}

// Every generated line loads back to the same entry, whatever was loaded before.
TEST(LoadEntry, GeneratedLinesLoadBack)
{
    std::mt19937 random(20261208);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::string alphabet = "abcXYZ0189 _-./;:'\"\t\xc3\xa9";
    for (int round = 0; round < 2000; ++round) {
        MonsterEntry entry;
        for (const FieldInfo &field : kFields) {
            if (!field.text)
                continue;
            std::string text;
            for (int n = pick(8); n > 0; --n)
                text += alphabet[std::size_t(pick(static_cast<int>(alphabet.size())))];
            entry.*field.text = text;
        }
        entry.Scale = static_cast<ListPosition>(pick(kScaleList.size() + 1) - 1);
        entry.Race = static_cast<ListPosition>(pick(kRaceList.size() + 1) - 1);
        entry.Element = static_cast<ListPosition>(pick(kElementList.size() + 1) - 1);
        entry.ELvl = static_cast<ListPosition>(pick(kElementLevelList.size() + 1) - 1);
        for (bool &flag : entry.Mode)
            flag = pick(2) == 1;
        const std::string line = BuildTextEntry(entry);
        if (line.find("//") != std::string::npos)
            continue;

        MonsterEntry back = startupEntry();
        const LoadResult result = LoadEntryIntoEditor(line, back);
        ASSERT_TRUE(result.loaded()) << line << ": " << result.message();
        EXPECT_EQ(back, entry) << line;
        EXPECT_EQ(BuildTextEntry(back), line) << line;
    }
}

TEST(LoadEntry, MessagesShowValuesVisiblyAndShort)
{
    const std::pair<std::string, std::string> cases[] = {
        {"abc", "\"abc\""},
        {"\t20", "\"<tab>20\""},
        {"20\xC2\xA0", "\"20<U+00A0>\""}, // no-break space
        {"\xEF\xBB\xBF"
         "1",
         "\"<U+FEFF>1\""},                          // a byte-order mark inside a field
        {std::string("a\0b", 3), "\"a<U+0000>b\""}, // NUL
        {"\xE3\x83\x9D\xE3\x83\xAA", "\"\xE3\x83\x9D\xE3\x83\xAA\""}, // text stays text
        {std::string(1 << 20, 'x'), "\"" + std::string(40, 'x') + "\xE2\x80\xA6\""},
    };
    for (const auto &[value, shown] : cases)
        EXPECT_EQ(quoteValue(value), shown);
}
