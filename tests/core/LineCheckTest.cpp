// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/LineCheck.h"
#include "core/EntryLoader.h"
#include "core/SqlEntry.h"
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
    const std::vector<LineReport> reports = checkLine(row.line, row.line, "UTF-8", 3, row.dump);
    const ConvertedLine converted = convertLine(row.line, row.line, Layout::Classic, false, row.dump);
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
