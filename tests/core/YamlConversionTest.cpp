// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/DatabaseFile.h"
#include "core/EntryLoader.h"
#include "core/ItemDatabase.h"
#include "core/LineCheck.h"
#include "core/RathenaMobDb.h"
#include "core/RathenaYamlEntry.h"
#include "core/TextEntry.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace grimlark;

namespace {

bool anyHas(const std::vector<LineReport> &reports, const std::string &words)
{
    for (const LineReport &report : reports)
        if (report.message.find(words) != std::string::npos)
            return true;
    return false;
}

// A YAML database is a record a monster, of its lines as the file holds them
// (CRLF within, the last line end not), its frame and comments each a record
// of its own, every record keeping its line and bytes in the file.
TEST(YamlRecords, AMonsterIsARecordOfItsLines)
{
    const std::string bytes = "Header:\r\n  Type: MOB_DB\r\n  Version: 5\r\nBody:\r\n"
                              "  - Id: 1001\r\n    Name: A\r\n"
                              "#  - Id: 1002\r\n"
                              "  - Id: 1003\r\n    Name: C";
    DatabaseFile file(bytes);
    const RathenaMobDb db = readRathenaMobDb(file.bytes());
    ASSERT_EQ(db.monsters.size(), 2U);
    file = DatabaseFile::withSpans(std::move(file), db.lineSpans());
    ASSERT_EQ(file.lines(), 7U);
    EXPECT_EQ(file.line(4), "  - Id: 1001\r\n    Name: A");
    EXPECT_EQ(file.line(5), "#  - Id: 1002");
    EXPECT_EQ(file.line(6), "  - Id: 1003\r\n    Name: C");
    EXPECT_EQ(file.sourceLine(6), 7U);
    const RecordPlace place = file.place(4);
    EXPECT_EQ(bytes.substr(place.begin, place.end - place.begin), file.line(4));
    EXPECT_EQ(file.widest(), file.line(4).size());
    MonsterEntry entry;
    ASSERT_TRUE(LoadEntryIntoEditor(file.line(6), entry).loaded());
    EXPECT_EQ(BuildTextEntry(entry), file.line(6));
}

// Across the layouts a monster means the same: YAML's Name is the iRO name,
// its JapaneseName the kRO one; drops go through the item databases (names
// through the source's, IDs through the target's); the frame of a YAML file
// is kept in YAML and commented out in a text file.
TEST(YamlConversion, MeansTheSameAcrossLayouts)
{
    ItemDatabase rathena, eathena;
    ASSERT_TRUE(rathena.add({904, "Scorpion's_Tail", "Scorpion Tail"}));
    ASSERT_TRUE(eathena.add({904, "Scorpions_Tail", "Scorpion Tail"}));
    const std::string entry = "  - Id: 1025\n    AegisName: SNAKE\n    Name: Boa\n"
                              "    JapaneseName: Snake\n    Level: 15\n    Drops:\n"
                              "      - Item: scorpion's_tail\n        Rate: 900\n"
                              "      - Item: Unknown_Thing\n        Rate: 5";
    const ConvertedLine text = convertLine(entry, entry, Layout::RAthena, false, FileKind::Yaml,
                                           "UTF-8", {&rathena, nullptr});
    EXPECT_EQ(text.bytes.substr(0, 37), "1025,SNAKE,Snake,Boa,15,1,1,0,0,0,0,0");
    EXPECT_NE(text.bytes.find(",904,900,Unknown_Thing,5,"), std::string::npos) << text.bytes;
    EXPECT_TRUE(anyHas(text.lost, "\"Unknown_Thing\" names an item")) << text.lost.size();

    const ConvertedLine back = convertLine(text.bytes, text.bytes, Layout::RathenaYaml, false,
                                           FileKind::Text, "UTF-8", {nullptr, &eathena});
    EXPECT_NE(back.bytes.find("    Name: Boa\n    JapaneseName: Snake\n"), std::string::npos)
        << back.bytes;
    EXPECT_NE(back.bytes.find("      - Item: Scorpions_Tail\n        Rate: 900\n"),
              std::string::npos)
        << back.bytes;

    const std::pair<const char *, std::string> frame[] = {{"Body:", "Body:"},
                                                          {"# a comment", "# a comment"}};
    for (const auto &[line, kept] : frame) {
        EXPECT_EQ(convertLine(line, line, Layout::RathenaYaml, false, FileKind::Yaml).bytes, kept);
        const ConvertedLine commented =
            convertLine(line, line, Layout::Classic, false, FileKind::Yaml);
        EXPECT_EQ(commented.bytes, "//" + std::string(line));
        EXPECT_TRUE(commented.lost.empty());
    }
    EXPECT_EQ(convertLine("// old", "// old", Layout::RathenaYaml, false, FileKind::Text).bytes,
              "#// old");
}

// A classic monster moved into rAthena's Modes of 2016 detects where the
// classic servers let it (an Insect, a Demon), and is an Mvp where it gives
// MVP experience; what YAML cannot say, or a text layout cannot hold, is a
// loss.
TEST(YamlConversion, ClassicMonstersGainWhatTheyMeant)
{
    MonsterEntry insect = startupEntry();
    insect.Race = 4;
    insect.MEXP = "100";
    moveIntoLayout(insect, Layout::RathenaYaml);
    EXPECT_TRUE(insect.Mode[Detector]);
    const std::string written = BuildTextEntry(insect);
    EXPECT_NE(written.find("      Detector: true\n"), std::string::npos) << written;
    EXPECT_NE(written.find("      Mvp: true"), std::string::npos) << written;

    MonsterEntry unnamed = startupEntry();
    unnamed.carried.layout = Layout::RAthena;
    unnamed.carried.modeAbove = 0x800000;
    EXPECT_NE(yamlLosses(unnamed, Layout::RathenaYaml).at(0).find("0x800000 have no name"),
              std::string::npos);

    MonsterEntry carried;
    ASSERT_TRUE(LoadEntryIntoEditor("- Id: 1002\n  Title: King\n  ClientAttackMotion: 9", carried)
                    .loaded());
    EXPECT_NE(yamlLosses(carried, Layout::Classic).at(0).find("Title, ClientAttackMotion"),
              std::string::npos);
    EXPECT_TRUE(yamlLosses(carried, Layout::RathenaYaml).empty());
}

} // namespace
