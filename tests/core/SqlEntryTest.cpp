// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/SqlEntry.h"
#include "core/DatabaseFile.h"
#include "core/EntryLoader.h"
#include "core/SqlDump.h"
#include "core/TextEntry.h"
#include "tests/common/Fixtures.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <cstring>

using namespace grimlark;
using namespace grimlark::test; // the fixtures and the field positions

namespace {

/// The statement that holds the row.
std::string statementOf(const MonsterEntry &entry)
{
    return std::string(rowOf(BuildSqlEntry(entry)));
}

} // namespace

TEST(SqlEntry, StartUpMonster)
{
    EXPECT_EQ(BuildSqlEntry(startupEntry()),
              "DROP TEMPORARY TABLE IF EXISTS `grimlark_mob`; "
              "CREATE TEMPORARY TABLE `grimlark_mob` LIKE `mob_db`;\n"
              "INSERT INTO `grimlark_mob` VALUES (7000,'Mob_Name','Mob Name',1,100,100,10,10,1,"
              "10,20,4,4,5,5,5,5,5,5,10,12,-1,-1,-1,0,200,1500,562,288,0,0,0,0,0,0,0,0,0,0,0,0,"
              "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0);\n"
              "DELETE FROM `mob_db` WHERE `ID` IN (SELECT `ID` FROM `grimlark_mob`); "
              "INSERT INTO `mob_db` SELECT * FROM `grimlark_mob`; "
              "DROP TEMPORARY TABLE `grimlark_mob`;");
}

// Whatever a text box holds is stored byte for byte and ends no literal.
TEST(SqlEntry, AnyTextComesBackExactly)
{
    for (const std::string &text : grimlark::test::kHostileTexts) {
        MonsterEntry entry = startupEntry();
        entry.Name = entry.JName = entry.Lvl = text;
        const std::string statement = statementOf(entry);
        EXPECT_EQ(statement.find('\n'), std::string::npos) << statement;
        const SqlRow row = parseSqlRow(statement);
        ASSERT_EQ(row.fault, SqlFault::None) << statement;
        ASSERT_EQ(row.values.size(), 57u);
        EXPECT_EQ(row.values[1], text);
        EXPECT_EQ(row.values[2], text);
        EXPECT_EQ(row.values[3], text);
    }
}

// Text in a number box is written as text, and the comment above says where.
TEST(SqlEntry, TextInNumberColumnsIsNamed)
{
    MonsterEntry entry = startupEntry();
    entry.Lvl = "high\n-- not a comment";
    entry.HP = "007";
    const std::string sql = BuildSqlEntry(entry);
    EXPECT_EQ(sql.substr(0, sql.find('\n')), "-- Text where the table wants a number: Level, HP");
    EXPECT_EQ(std::count(sql.begin(), sql.end(), '\n'), 3); // the comment, then three lines
    EXPECT_EQ(rowOf(sql), statementOf(entry));
}

struct DumpRow {
    const char *name;
    std::string line;
    const char *fault; ///< what the refusal says, or "" when it loads
};

/// Names the row in test output, instead of dumping its bytes.
[[maybe_unused]] void PrintTo(const DumpRow &row, std::ostream *out)
{
    *out << row.name;
}

class SqlDumps : public testing::TestWithParam<DumpRow> {};

// The statements servers' SQL dumps hold load like text entries.
TEST_P(SqlDumps, LoadOrSayWhyNot)
{
    MonsterEntry entry = startupEntry();
    const LoadResult result = LoadEntryIntoEditor(GetParam().line, entry);
    if (*GetParam().fault == '\0') {
        ASSERT_TRUE(result.loaded()) << result.message();
        EXPECT_EQ(entry.ID, "1307");
        EXPECT_EQ(entry.JName, "Cat o' Nine Tails");
    } else {
        EXPECT_NE(result.message().find(GetParam().fault), std::string::npos) << result.message();
        EXPECT_EQ(entry, startupEntry());
    }
}

// A dump's 0x literal is a number however long (MariaDB clamps it to the
// column's end), never text.
TEST(SqlDumps, HexadecimalPastSixtyFourBitsIsTheLargestNumber)
{
    MonsterEntry entry = startupEntry();
    const std::string row = std::string(rowOf(BuildSqlEntry(entry)));
    std::string line = row;
    line.replace(line.find(",100,"), 5, ",0x123456789ABCDEF012,"); // HP
    ASSERT_TRUE(LoadEntryIntoEditor(line, entry).loaded());
    EXPECT_EQ(entry.HP, "18446744073709551615");
}

namespace {
std::string values(const char *separator, const char *mode = "0")
{
    std::string line = lineWith({{kID, "1307"},
                                 {kName, "'CAT_O\\'_NINE_TAIL'"},
                                 {kJName, "'Cat o\\' Nine Tails'"},
                                 {kMode, mode}});
    for (std::size_t at = 0; (at = line.find(',', at)) != std::string::npos; at += 1) {
        line.replace(at, 1, separator);
        at += std::strlen(separator) - 1;
    }
    return "(" + line + ")";
}
std::string withMode(const char *mode)
{
    return values(",", mode);
}

/// `count` values, "1,1,...".
std::string manyValues(std::size_t count)
{
    std::string text = "1";
    for (std::size_t i = 1; i < count; ++i)
        text += ",1";
    return text;
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Lines, SqlDumps,
    testing::Values(
        DumpRow{"freyaInsert", "INSERT INTO `mob_db` VALUES " + values(", ") + ";", ""},
        DumpRow{"replaceNoBlanks", "REPLACE INTO `mob_db2` VALUES " + values(",") + ";", ""},
        DumpRow{"lowerCaseNoQuotes", "insert into mob_db values " + values(",") + "; -- x", ""},
        DumpRow{"severalRows", "INSERT INTO `mob_db` VALUES " + values(",") + "," + values(","),
                "several monsters"},
        DumpRow{"otherTable", "INSERT INTO `item_db` VALUES " + values(",") + ";", "another table"},
        DumpRow{"namedColumns", "INSERT INTO mob_db (ID,Name) VALUES (1,'A');",
                "names its columns"},
        DumpRow{"null", "INSERT INTO mob_db VALUES (1,NULL);", "cannot be read"},
        DumpRow{"fewValues", "INSERT INTO mob_db VALUES (1,'A','B');", "has 3 fields"},
        // Values as MariaDB reads them, nothing else.
        DumpRow{"hexWithoutDigits", "INSERT INTO mob_db VALUES (0x,'A');", "cannot be read"},
        DumpRow{"aWord", "INSERT INTO mob_db VALUES (e,'A');", "cannot be read"},
        DumpRow{"binary", "INSERT INTO mob_db VALUES (0b101,'A');", "cannot be read"},
        DumpRow{"hexMode", "INSERT INTO `mob_db` VALUES " + withMode("0x83") + ";", ""},
        DumpRow{"stagingTable", "INSERT INTO `grimlark_mob` VALUES " + withMode("0") + ";", ""},
        DumpRow{"tooManyValues", "INSERT INTO mob_db VALUES (" + manyValues(1000000) + ");",
                "more values"}),
    [](const auto &test) { return std::string(test.param.name); });

namespace {

struct RowsApart {
    const char *name;
    std::string line;
    std::vector<std::string> rows; ///< what the statement is set apart into
};

[[maybe_unused]] void PrintTo(const RowsApart &row, std::ostream *out)
{
    *out << row.name;
}

class SeveralRows : public testing::TestWithParam<RowsApart> {};

// A statement of several rows (mysqldump's) is set apart into one statement a
// row, quotes and escapes kept whole; anything else stays as it is, for the
// loader to read or refuse.
TEST_P(SeveralRows, AreSetApartIntoStatements)
{
    std::vector<std::string> statements;
    for (const RecordCut &row : splitSqlRows(GetParam().line))
        statements.push_back(row.text);
    EXPECT_EQ(statements, GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SeveralRows,
    testing::Values(RowsApart{"two",
                              "INSERT INTO `mob_db` VALUES (1001,'A'),(1002,'B');",
                              {"INSERT INTO `mob_db` VALUES (1001,'A');",
                               "INSERT INTO `mob_db` VALUES (1002,'B');"}},
                    RowsApart{"quotedSeparators",
                              "REPLACE INTO mob_db VALUES (1,'a),(b') , (2,'it\\'s'); -- a comment",
                              {"REPLACE INTO mob_db VALUES (1,'a),(b');",
                               "REPLACE INTO mob_db VALUES (2,'it\\'s');"}},
                    RowsApart{"one", "INSERT INTO mob_db VALUES (1001,'A');", {}},
                    RowsApart{"aBadRow", "INSERT INTO mob_db VALUES (1001,'A'),(1002,B);", {}},
                    RowsApart{
                        "trailingText", "INSERT INTO mob_db VALUES (1,'A'),(2,'B'); SELECT 1;", {}},
                    RowsApart{"otherTable", "INSERT INTO item_db VALUES (1,'A'),(2,'B');", {}}),
    [](const auto &test) { return std::string(test.param.name); });

// Set apart in a file, each row keeps its line and its bytes in the file.
TEST(SeveralRows, KeepTheirPlace)
{
    const std::string bytes = "\xEF\xBB\xBF-- dump\r\nINSERT INTO mob_db VALUES (1,'A'),(2,'B'),"
                              "(3,'C');\r\nINSERT INTO mob_db VALUES (4,'D');\r\n";
    const DatabaseFile whole(bytes);
    const DatabaseFile file = DatabaseFile::withRowsApart(whole, splitSqlRows);
    ASSERT_EQ(file.lines(), 5U);
    EXPECT_EQ(file.line(3), "INSERT INTO mob_db VALUES (3,'C');");
    std::vector<std::size_t> sources;
    std::vector<std::string> spans;
    for (std::size_t i = 0; i < file.lines(); ++i) {
        const RecordPlace place = file.place(i);
        sources.push_back(place.line);
        spans.push_back(bytes.substr(place.begin, place.end - place.begin));
        EXPECT_EQ(file.sourceLine(i), place.line);
    }
    EXPECT_EQ(sources, (std::vector<std::size_t>{0, 1, 1, 1, 2}));
    EXPECT_EQ(spans, (std::vector<std::string>{"-- dump", "(1,'A')", "(2,'B')", "(3,'C')",
                                               "INSERT INTO mob_db VALUES (4,'D');"}));
    // Unsplit, a record is its line, terminator and byte-order mark aside.
    EXPECT_EQ(bytes.substr(whole.place(2).begin, whole.place(2).end - whole.place(2).begin),
              "INSERT INTO mob_db VALUES (4,'D');");
}

} // namespace
