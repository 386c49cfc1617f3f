// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/RathenaMobDb.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace grimlark;

namespace {

const std::string kHeader = "Header:\n  Type: MOB_DB\n  Version: 5\n";

struct FrameRow {
    const char *name;
    std::string text;
    RathenaMobDb::Fault fault;
};
[[maybe_unused]] void PrintTo(const FrameRow &row, std::ostream *out)
{
    *out << row.name;
}

class Frames : public testing::TestWithParam<FrameRow> {};

// What rAthena refuses as a whole is refused, saying where; what it reads
// with a warning (an older version) or as empty (no Body yet) is read.
TEST_P(Frames, AreReadOrRefusedAsAWhole)
{
    const RathenaMobDb db = readRathenaMobDb(GetParam().text);
    EXPECT_EQ(db.fault, GetParam().fault) << db.message();
    EXPECT_EQ(db.message().empty(), GetParam().fault == RathenaMobDb::Fault::None);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Frames,
    testing::Values(
        FrameRow{"monsters", kHeader + "Body:\n  - Id: 1001\n", RathenaMobDb::Fault::None},
        FrameRow{"olderVersion", "Header:\n  Type: MOB_DB\n  Version: 1\nBody:\n  - Id: 1\n",
                 RathenaMobDb::Fault::None},
        FrameRow{"template", kHeader, RathenaMobDb::Fault::None},
        FrameRow{"emptyBody", kHeader + "Body:\n", RathenaMobDb::Fault::None},
        FrameRow{"syntax", kHeader + "Body:\n  - Id: [1001\n", RathenaMobDb::Fault::NotYaml},
        FrameRow{"tabIndent", kHeader + "Body:\n\t- Id: 1001\n", RathenaMobDb::Fault::NotYaml},
        FrameRow{"alias", kHeader + "Body:\n  - &a {Id: 1}\n  - *a\n",
                 RathenaMobDb::Fault::NotYaml},
        FrameRow{"nothing", "", RathenaMobDb::Fault::NotYaml},
        FrameRow{"aList", "- Id: 1001\n", RathenaMobDb::Fault::NotAMap},
        FrameRow{"noHeader", "Body:\n  - Id: 1001\n", RathenaMobDb::Fault::NoHeader},
        FrameRow{"itemDb", "Header:\n  Type: ITEM_DB\n  Version: 3\n",
                 RathenaMobDb::Fault::OtherType},
        FrameRow{"laterVersion", "Header:\n  Type: MOB_DB\n  Version: 6\n",
                 RathenaMobDb::Fault::LaterVersion},
        FrameRow{"bodyOfAMap", kHeader + "Body:\n  Id: 1001\n", RathenaMobDb::Fault::NoBody},
        FrameRow{"tooDeep", kHeader + "Body: " + std::string(100, '[') + std::string(100, ']'),
                 RathenaMobDb::Fault::NotYaml}),
    [](const auto &test) { return std::string(test.param.name); });

// Each monster is an item of the Body, spanning its lines up to its last
// value (a commented-out entry after it is no monster, nor part of one);
// scalars keep whether they were quoted.
TEST(RathenaMobDb, ListsEachMonsterWithItsLines)
{
    const std::string text = kHeader + "\n"
                                       "Body:\n"                   // 5
                                       "  - Id: 1001\n"            // 6
                                       "    AegisName: SCORPION\n" // 7
                                       "    Name: Scorpion\n"
                                       "    Ai: 02\n"
                                       "#  - Id: 1002\n" // 10
                                       "#    AegisName: PORING\n"
                                       "  - Id: 1004\n" // 12
                                       "    AegisName: HORNET\n"
                                       "    Name: \"Hornet\"\n"
                                       "    Ai: \"02\"\n"
                                       "\n"
                                       "Footer:\n" // 17
                                       "  Imports:\n"
                                       "    - Path: db/import/mob_db.yml\n";
    const RathenaMobDb db = readRathenaMobDb(text);
    ASSERT_EQ(db.fault, RathenaMobDb::Fault::None) << db.message();
    EXPECT_EQ(db.version, 5);
    ASSERT_EQ(db.monsters.size(), 2U);
    EXPECT_EQ(db.monsters[0].id, "1001");
    EXPECT_EQ(db.monsters[0].aegisName, "SCORPION");
    EXPECT_EQ(db.monsters[0].firstLine, 6U);
    EXPECT_EQ(db.monsters[0].lastLine, 9U);
    EXPECT_EQ(db.monsters[1].name, "Hornet");
    EXPECT_EQ(db.monsters[1].firstLine, 12U);
    EXPECT_EQ(db.monsters[1].lastLine, 15U);
    const YamlNode *first = db.body()->children[0].find("Ai");
    const YamlNode *second = db.body()->children[1].find("Ai");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->text, "02");
    EXPECT_TRUE(first->plain);
    EXPECT_FALSE(second->plain);
}

TEST(RathenaMobDb, SaysWhereTheTextIsNoYaml)
{
    const RathenaMobDb db = readRathenaMobDb(kHeader + "Body:\n  - Id: [1001\n");
    EXPECT_EQ(db.document.line, 6U) << db.message();
    EXPECT_NE(db.message().find("(line 6, column"), std::string::npos) << db.message();
}

// rAthena reads db/import/ after db/re/ or db/pre-re/: an entry there of
// an Id those hold changes that monster.
TEST(RathenaMobDb, ImportFilesAreReadAfterTheMainOnes)
{
    for (const char *path : {"/srv/rathena/db/import/mob_db.yml",
                             R"(C:\rathena\db\Import\mob_db.yml)", "import/mob_db.yml"})
        EXPECT_TRUE(readAfterTheMainDatabase(path)) << path;
    for (const char *path :
         {"/srv/rathena/db/re/mob_db.yml", "/import", "mob_db.yml", "/srv/import/db/mob_db.yml"})
        EXPECT_FALSE(readAfterTheMainDatabase(path)) << path;
}

} // namespace
