// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/LineCheck.h"
#include "core/EntryLoader.h"
#include "core/SqlEntry.h"
#include "core/TextEntry.h"
#include "tests/common/Fixtures.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace grimlark;
using namespace grimlark::test;

namespace {

std::string statementOf(const std::string &line)
{
    MonsterEntry entry = startupEntry();
    (void)LoadEntryIntoEditor(line, entry);
    return std::string(rowOf(BuildSqlEntry(entry)));
}

struct FormRow {
    const char *name;
    std::vector<std::string> lines;
    bool dump;
};
[[maybe_unused]] void PrintTo(const FormRow &row, std::ostream *out)
{
    *out << row.name;
}

class FileForms : public testing::TestWithParam<FormRow> {};

// One statement pasted into a text file does not make it a dump, nor one text
// line a dump a text file.
TEST_P(FileForms, TheMostLinesTell)
{
    FileForm form;
    for (const std::string &line : GetParam().lines)
        form.add(line);
    EXPECT_EQ(form.dump(), GetParam().dump);
}

const std::string kPoring = sampleLine("1002");

INSTANTIATE_TEST_SUITE_P(
    Files, FileForms,
    testing::Values(
        FormRow{"textWithAStatement", {"// x", kPoring, kPoring, statementOf(kPoring)}, false},
        FormRow{"dumpWithATextLine",
                {"CREATE TABLE `mob_db` (", "  `ID` int,", ");", statementOf(kPoring),
                 statementOf(kPoring), kPoring},
                true},
        FormRow{"onlyComments", {"// a", "-- b", ""}, false},
        FormRow{"blanksBeforeAnId", {"  \t1002,x", "INSERT INTO mob_db VALUES (1);"}, false}),
    [](const testing::TestParamInfo<FormRow> &row) { return row.param.name; });

struct JudgedRow {
    const char *name;
    std::string line;
    bool dump;
    const char *said; ///< what the first report begins with; "" for none at all
};
[[maybe_unused]] void PrintTo(const JudgedRow &row, std::ostream *out)
{
    *out << row.name;
}

class OwnForm : public testing::TestWithParam<JudgedRow> {};

// Each line is judged by its own form, and one in a file of the other form is
// said; --convert writes the monster it holds and says the same.
TEST_P(OwnForm, EachLineIsJudgedAsWhatItIs)
{
    const JudgedRow &row = GetParam();
    const std::vector<LineReport> reports =
        checkLine(row.line, row.line, "UTF-8", 3, row.dump ? FileKind::Dump : FileKind::Text);
    const ConvertedLine converted = convertLine(row.line, row.line, Layout::Classic, false,
                                                row.dump ? FileKind::Dump : FileKind::Text);
    if (*row.said == '\0') {
        EXPECT_TRUE(reports.empty()) << reports.front().message;
        EXPECT_TRUE(converted.lost.empty());
        return;
    }
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.front().field, "line");
    EXPECT_EQ(reports.front().message.rfind(row.said, 0), 0u) << reports.front().message;
    ASSERT_FALSE(converted.lost.empty());
    EXPECT_EQ(converted.lost.front().message, reports.front().message);
    if (row.line != "1004,short") {
        EXPECT_EQ(converted.bytes, kPoring);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, OwnForm,
    testing::Values(JudgedRow{"textInText", kPoring, false, ""},
                    JudgedRow{"statementInDump", statementOf(kPoring), true, ""},
                    JudgedRow{"statementInText", statementOf(kPoring), false,
                              "An SQL statement in a text database file"},
                    JudgedRow{"textInDump", kPoring, true, "A text line in an SQL dump"},
                    JudgedRow{"brokenTextInDump", "1004,short", true, "A text line in an SQL dump"},
                    JudgedRow{"tableDefinitionInDump", "  `ID` int,", true, ""}),
    [](const testing::TestParamInfo<JudgedRow> &row) { return row.param.name; });

} // namespace

namespace {

/// Poring's classic line with one field changed.
std::string classicLine(std::size_t field, const std::string &value)
{
    std::vector<std::string> fields = splitFields(sampleLine("1002"));
    fields[field] = value;
    std::string line;
    for (const std::string &f : fields)
        line += (line.empty() ? "" : ",") + f;
    return line;
}

/// A later-layout line of Poring with one field changed (counted in that layout).
std::string laterLine(std::size_t field, const std::string &value)
{
    std::vector<std::string> fields = splitFields(sampleLine("1002"));
    fields.insert(fields.begin() + 3, "Poring"); // iROName
    // The later order: the MVP fields before the drops.
    std::vector<std::string> later(fields.begin(), fields.begin() + 30);
    later.insert(later.end(), fields.begin() + 50, fields.end());
    later.insert(later.end(), fields.begin() + 30, fields.begin() + 50);
    later[field] = value;
    std::string line;
    for (const std::string &f : later)
        line += (line.empty() ? "" : ",") + f;
    return line;
}

struct TripRow {
    const char *name;
    std::string line;
    bool readsBack; ///< false: what is written cannot be read back, and is said
};
[[maybe_unused]] void PrintTo(const TripRow &row, std::ostream *out)
{
    *out << row.name;
}

class RoundTrip : public testing::TestWithParam<TripRow> {};

// What --convert writes, in either layout, as a line or statements, loads back
// to the same monster, or the conversion says it does not.
TEST_P(RoundTrip, WhatIsWrittenLoadsBackOrIsSaid)
{
    const TripRow &row = GetParam();
    MonsterEntry original = startupEntry();
    ASSERT_TRUE(LoadEntryIntoEditor(row.line, original).loaded()) << row.line;
    for (const Layout target : {Layout::Classic, Layout::LaterEathena}) {
        for (const bool sql : {false, true}) {
            const ConvertedLine converted =
                convertLine(row.line, row.line, target, sql, FileKind::Text);
            bool said = false;
            for (const LineReport &lost : converted.lost)
                said = said || lost.message.rfind("Grimlark ", 0) == 0;
            MonsterEntry back = startupEntry();
            const bool loaded =
                LoadEntryIntoEditor(sql ? rowOf(converted.bytes) : converted.bytes, back).loaded();
            const bool same = loaded && modeValue(back) == modeValue(original) &&
                              back.STR == original.STR && back.Lvl == original.Lvl;
            EXPECT_EQ(said, !same)
                << shortName(target) << (sql ? " --sql: " : ": ") << converted.bytes;
            if (row.readsBack || target == Layout::Classic) {
                EXPECT_TRUE(same) << shortName(target) << (sql ? " --sql: " : ": ")
                                  << converted.bytes;
            } else if (!sql) {
                EXPECT_TRUE(said) << converted.bytes; // the very case: a 58-field line refused
            }
        }
    }
}

struct ChangeRow {
    const char *name;
    std::string line;
    Layout target;
    bool sql;
    std::vector<std::string> said; ///< the fields of the changes said
};
[[maybe_unused]] void PrintTo(const ChangeRow &row, std::ostream *out)
{
    *out << row.name;
}

class Changes : public testing::TestWithParam<ChangeRow> {};

// A conversion says what the target's servers store otherwise than the
// line's own did; what they all store alike, or what every server of the
// line skipped, is no change.
TEST_P(Changes, OfMeaningAreSaid)
{
    const ChangeRow &row = GetParam();
    const ConvertedLine converted =
        convertLine(row.line, row.line, row.target, row.sql, FileKind::Text);
    std::vector<std::string> fields;
    for (const LineReport &report : converted.lost)
        fields.push_back(report.field);
    EXPECT_EQ(fields, row.said) << converted.bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, Changes,
    testing::Values(
        ChangeRow{"sameLayout", classicLine(kLvl, "70000"), Layout::Classic, false, {}},
        ChangeRow{"cloneId", classicLine(0, "3500"), Layout::LaterEathena, false, {"ID"}},
        // Freya and eAthena skip 4010 already: the later server's skip is none.
        ChangeRow{"skippedBefore", classicLine(0, "4010"), Layout::LaterEathena, false, {}},
        ChangeRow{"defPast8Bits", classicLine(11, "200"), Layout::LaterEathena, false, {"DEF"}},
        ChangeRow{
            "elementWithoutLevel", classicLine(23, "3"), Layout::LaterEathena, false, {"Element"}},
        ChangeRow{"zeroStatIsOne", classicLine(13, "0"), Layout::LaterEathena, false, {}},
        ChangeRow{"toTheTable", classicLine(4, "95000000"), Layout::Classic, true, {"HP"}},
        // Back: what the later server stored otherwise, the classic ones as written.
        ChangeRow{"laterDefBack", laterLine(12, "200"), Layout::Classic, false, {"DEF"}}),
    [](const testing::TestParamInfo<ChangeRow> &row) { return row.param.name; });

// The later servers read a Mode of a leading 0 as octal, up to its first digit
// that is none: it loads so, is said, and is written back as it stands.
TEST(LaterMode, OfALeadingZeroIsOctal)
{
    for (const auto &[text, mode] : {std::pair{"0131", 89}, {"04947", 4}, {"0", 0}}) {
        MonsterEntry entry = startupEntry();
        const LoadResult result = LoadEntryIntoEditor(laterLine(25, text), entry);
        ASSERT_TRUE(result.loaded()) << result.message();
        EXPECT_EQ(modeValue(entry), mode) << text;
        EXPECT_EQ(result.notes.size(), mode == 0 ? 0U : 1U) << text;
        EXPECT_EQ(splitFields(BuildTextEntry(entry))[25], text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Writes, RoundTrip,
    testing::Values(TripRow{"highHexMode", laterLine(25, "0x5F5E100"), true},
                    TripRow{"highestHexMode", laterLine(25, "0xFFFFFFF"), true},
                    TripRow{"hexModeOfZeros", laterLine(25, "0x00000083"), true},
                    TripRow{"decimalModeOfHexRange", laterLine(25, "268435455"), true},
                    TripRow{"displayNameOfDigits", classicLine(kJName, "123"), false},
                    TripRow{"displayNameAfterABlank", classicLine(kJName, " Poring"), false},
                    TripRow{"emptyLevel", classicLine(kLvl, ""), true},
                    TripRow{"octalMode", laterLine(25, "0131"), true},
                    TripRow{"textLevel", classicLine(kLvl, "high"), false}),
    [](const testing::TestParamInfo<TripRow> &row) { return row.param.name; });

} // namespace
