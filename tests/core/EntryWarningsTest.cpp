// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/EntryWarnings.h"
#include "core/EntryLoader.h"
#include "core/OutputNotes.h"
#include "tests/common/Fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string_view>

using namespace grimlark;
using namespace grimlark::test; // the fixtures and the field positions

namespace {

constexpr unsigned kFreya = unsigned(Server::Freya), kEathena = unsigned(Server::EAthena),
                   kLater = unsigned(Server::EAthena2011), kRAthena = unsigned(Server::RAthena),
                   kClassic = kFreya | kEathena;

/// A field a finding names and the servers it names.
struct Named {
    std::string field;
    unsigned servers;
    bool operator==(const Named &other) const
    {
        return field == other.field && servers == other.servers;
    }
};
[[maybe_unused]] void PrintTo(const Named &named, std::ostream *out)
{
    *out << named.field << "/" << named.servers;
}

struct FindingRow {
    const char *name;
    void (*change)(MonsterEntry &);
    std::vector<Named> text; ///< what the text line's findings name
    std::vector<Named> sql;  ///< and the statement's
};

[[maybe_unused]] void PrintTo(const FindingRow &row, std::ostream *out)
{
    *out << row.name;
}

/// A monster both servers read exactly as the line says: a Poring of 1002.
MonsterEntry poring()
{
    MonsterEntry entry;
    EXPECT_TRUE(LoadEntryIntoEditor(sampleLine("1002"), entry).loaded());
    return entry;
}

std::vector<Named> named(const std::vector<Finding> &findings)
{
    std::vector<Named> names;
    names.reserve(findings.size());
    for (const Finding &finding : findings)
        names.push_back({finding.field, finding.servers});
    return names;
}

class Findings : public testing::TestWithParam<FindingRow> {};

// One box changed a row: the findings name exactly the fields whose stored
// value differs from the line, and the servers that store it so.
TEST_P(Findings, NameWhatTheServersStoreOtherwise)
{
    MonsterEntry entry = poring();
    GetParam().change(entry);
    const NameBytes names = namesAsHeld(entry);
    EXPECT_EQ(named(textFindings(entry, names)), GetParam().text);
    EXPECT_EQ(named(sqlFindings(entry, names)), GetParam().sql);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Findings,
    testing::Values(
        FindingRow{"asMeant", [](MonsterEntry &) {}, {}, {}},
        // Read as meant by both servers and MariaDB: no finding.
        FindingRow{"blanks", [](MonsterEntry &e) { e.HP = " 12"; }, {}, {}},
        FindingRow{"plus", [](MonsterEntry &e) { e.ATK1 = "+5"; }, {}, {}},
        FindingRow{"leadingZeros", [](MonsterEntry &e) { e.DEF = "007"; }, {}, {}},
        FindingRow{"slashesInAName", [](MonsterEntry &e) { e.JName = "Poring//2"; }, {}, {}},
        FindingRow{"longName",
                   [](MonsterEntry &e) { e.Name = "ENCHANTED_PEACH_TREE_BULLET"; },
                   {{"DB Name", kFreya}, {"DB Name", kEathena}},
                   {{"DB Name", kFreya}, {"DB Name", kEathena}}},
        FindingRow{"nameOf24Bytes",
                   [](MonsterEntry &e) { e.JName = std::string(24, 'x'); },
                   {{"Display Name", kEathena}},
                   {{"Display Name", kEathena}}},
        FindingRow{"idPastFreya",
                   [](MonsterEntry &e) { e.ID = "2500"; },
                   {{"ID", kFreya}},
                   {{"ID", kFreya}}},
        FindingRow{"idOfAPlayerJob",
                   [](MonsterEntry &e) { e.ID = "4010"; },
                   {{"ID", kFreya}, {"ID", kEathena}},
                   {{"ID", kFreya}, {"ID", kEathena}}},
        FindingRow{"text",
                   [](MonsterEntry &e) { e.Lvl = "high"; },
                   {{"Level", kClassic}},
                   {{"Level", kClassic}}},
        FindingRow{"pastIntRange",
                   [](MonsterEntry &e) { e.SP = "4294967297"; },
                   {{"SP", kClassic}},
                   {{"SP", kClassic}}},
        FindingRow{"levelPast16Bits",
                   [](MonsterEntry &e) { e.Lvl = "70000"; },
                   {{"Level", kEathena}},
                   {{"Level", kEathena}, {"Level", kFreya}, {"Level", kEathena}}},
        FindingRow{
            "hpZero", [](MonsterEntry &e) { e.HP = "0"; }, {{"HP", kEathena}}, {{"HP", kEathena}}},
        FindingRow{
            "hpPastFreyasColumn", [](MonsterEntry &e) { e.HP = "9000000"; }, {}, {{"HP", kFreya}}},
        // Freya stores 0, eAthena wraps the Base Experience and keeps 0 of the Job's.
        FindingRow{"negativeExp",
                   [](MonsterEntry &e) { e.EXP = "-5"; },
                   {{"Base Experience", kFreya}, {"Base Experience", kEathena}},
                   {{"Base Experience", kFreya}, {"Base Experience", kEathena}}},
        FindingRow{"negativeJobExp",
                   [](MonsterEntry &e) { e.JEXP = "-5"; },
                   {{"Job Experience", kClassic}},
                   {{"Job Experience", kFreya}, {"Job Experience", kEathena}}},
        FindingRow{"negativeHp",
                   [](MonsterEntry &e) { e.HP = "-5"; },
                   {{"HP", kEathena}},
                   {{"HP", kEathena}}},
        FindingRow{"delayUnderMotion",
                   [](MonsterEntry &e) {
                       e.ADelay = "200";
                       e.aMotion = "240";
                   },
                   {{"Atk Delay", kFreya}},
                   {{"Atk Delay", kFreya}}},
        FindingRow{"delayUnderMotionPast250", [](MonsterEntry &e) { e.ADelay = "300"; }, {}, {}},
        FindingRow{"negativeDropRate",
                   [](MonsterEntry &e) { e.Drop1Per = "-5"; },
                   {{"Drop 1 Rate", kFreya}, {"Drop 1 Rate", kEathena}},
                   {{"Drop 1 Rate", kFreya}, {"Drop 1 Rate", kEathena}, {"Drop 1 Rate", kEathena}}},
        FindingRow{"mvpItemAtRateZero",
                   [](MonsterEntry &e) {
                       e.MVP1ID = "607";
                       e.MVP1Per = "0";
                   },
                   {{"MVP 1 Rate", kFreya}, {"MVP 1 Rate", kEathena}},
                   {{"MVP 1 Rate", kFreya}, {"MVP 1 Rate", kEathena}}},
        FindingRow{
            "statPastTinyint", [](MonsterEntry &e) { e.STR = "300"; }, {}, {{"STR", kClassic}}},
        FindingRow{"elementWithoutLevel",
                   [](MonsterEntry &e) { e.ELvl = kNoSelection; },
                   {{"Element", kClassic}},
                   {{"Element", kClassic}}},
        FindingRow{"dropAtRateZero",
                   [](MonsterEntry &e) { e.Drop1Per = "0"; },
                   {{"Drop 1 Rate", kFreya}, {"Drop 1 Rate", kEathena}},
                   {{"Drop 1 Rate", kFreya}, {"Drop 1 Rate", kEathena}}},
        FindingRow{"rateOver10000",
                   [](MonsterEntry &e) { e.Drop2Per = "20000"; },
                   {{"Drop 2 Rate", kClassic}},
                   {{"Drop 2 Rate", kClassic}}},
        FindingRow{"negativeItem",
                   [](MonsterEntry &e) { e.DropID3 = "-938"; },
                   {{"Drop 3 Item ID", kFreya}},
                   {{"Drop 3 Item ID", kFreya}, {"Drop 3 Item ID", kEathena}}},
        FindingRow{"mvpExpOverflows",
                   [](MonsterEntry &e) { e.MEXP = "30000000"; },
                   {{"MVP EXP", kClassic}},
                   {{"MVP EXP", kClassic}, {"MVP EXP", kFreya}, {"MVP EXP", kEathena}}},
        FindingRow{"lineTooLong",
                   [](MonsterEntry &e) { e.JName = std::string(23, 'x') + std::string(1000, ' '); },
                   {{"Display Name", kFreya},
                    {"Display Name", kEathena},
                    {"line", kFreya},
                    {"line", kEathena}},
                   {{"Display Name", kFreya}, {"Display Name", kEathena}, {"line", kFreya}}}),
    [](const auto &test) { return std::string(test.param.name); });

/// The Poring in `layout`, changed by `change`.
template <typename Change> void in(Layout layout, MonsterEntry &entry, Change change)
{
    entry.carried.layout = layout;
    change(entry);
}
/// In the later layout, and in rAthena's.
template <typename Change> void later(MonsterEntry &entry, Change change)
{
    in(Layout::LaterEathena, entry, change);
}
template <typename Change> void inRAthena(MonsterEntry &entry, Change change)
{
    in(Layout::RAthena, entry, change);
}

// The later layout is judged by the later server alone.
INSTANTIATE_TEST_SUITE_P(
    Later, Findings,
    testing::Values(
        FindingRow{"asMeant", [](MonsterEntry &e) { later(e, [](MonsterEntry &) {}); }, {}, {}},
        FindingRow{"idOfAClone",
                   [](MonsterEntry &e) { later(e, [](MonsterEntry &m) { m.ID = "3001"; }); },
                   {{"ID", kLater}},
                   {{"ID", kLater}}},
        FindingRow{"def128",
                   [](MonsterEntry &e) { later(e, [](MonsterEntry &m) { m.DEF = "128"; }); },
                   {{"DEF", kLater}},
                   {{"DEF", kLater}}},
        FindingRow{"def127",
                   [](MonsterEntry &e) { later(e, [](MonsterEntry &m) { m.DEF = "127"; }); },
                   {},
                   {}},
        // A skipped monster is said to be skipped, nothing else of it.
        FindingRow{"noElementLevel",
                   [](MonsterEntry &e) {
                       later(e, [](MonsterEntry &m) {
                           m.ELvl = kNoSelection;
                           m.DEF = "128";
                       });
                   },
                   {{"Element", kLater}},
                   {{"Element", kLater}}},
        FindingRow{"slashesInAName",
                   [](MonsterEntry &e) { later(e, [](MonsterEntry &m) { m.JName = "Po//ring"; }); },
                   {{"Display Name", kLater}},
                   {}},
        FindingRow{"delayUnderMotion",
                   [](MonsterEntry &e) {
                       later(e, [](MonsterEntry &m) {
                           m.ADelay = "300";
                           m.aMotion = "400";
                       });
                   },
                   {{"Atk Delay", kLater}},
                   {{"Atk Delay", kLater}}},
        FindingRow{"zeroForOne",
                   [](MonsterEntry &e) {
                       later(e, [](MonsterEntry &m) {
                           m.STR = "0";
                           m.HP = "0";
                       });
                   },
                   {},
                   {}},
        FindingRow{"negativeHp",
                   [](MonsterEntry &e) { later(e, [](MonsterEntry &m) { m.HP = "-18"; }); },
                   {{"HP", kLater}},
                   {{"HP", kLater}, {"HP", kLater}}},
        FindingRow{"dropRateUnderOne",
                   [](MonsterEntry &e) { later(e, [](MonsterEntry &m) { m.Drop1Per = "0"; }); },
                   {{"Drop 1 Rate", kLater}},
                   {{"Drop 1 Rate", kLater}}},
        FindingRow{"lineOf1024Bytes",
                   [](MonsterEntry &e) {
                       later(e, [](MonsterEntry &m) { m.JName = std::string(1100, 'x'); });
                   },
                   {{"line", kLater}},
                   {{"Display Name", kLater}, {"iRO name", kLater}, {"line", kLater}}}),
    [](const auto &test) { return std::string(test.param.name); });

// rAthena's layout is judged by rAthena's reader: its clamps of the delay and
// the motion, its element that needs a level; no table.
INSTANTIATE_TEST_SUITE_P(
    RAthena, Findings,
    testing::Values(
        FindingRow{"asMeant", [](MonsterEntry &e) { inRAthena(e, [](MonsterEntry &) {}); }, {}, {}},
        FindingRow{"motionPast2000",
                   [](MonsterEntry &e) {
                       inRAthena(e, [](MonsterEntry &m) {
                           m.aMotion = "2500";
                           m.ADelay = "3000";
                       });
                   },
                   {{"aMotion", kRAthena}},
                   {{"aMotion", kRAthena}}},
        FindingRow{
            "delayPast4000",
            [](MonsterEntry &e) { inRAthena(e, [](MonsterEntry &m) { m.ADelay = "5000"; }); },
            {{"Atk Delay", kRAthena}},
            {{"Atk Delay", kRAthena}}},
        FindingRow{
            "noElementLevel",
            [](MonsterEntry &e) { inRAthena(e, [](MonsterEntry &m) { m.ELvl = kNoSelection; }); },
            {{"Element", kRAthena}},
            {{"Element", kRAthena}}},
        FindingRow{"pastItsTable",
                   [](MonsterEntry &e) { inRAthena(e, [](MonsterEntry &m) { m.STR = "70000"; }); },
                   {},
                   {}}),
    [](const auto &test) { return std::string(test.param.name); });

// Grimlark's own warnings, besides the servers' findings.
TEST(Warnings, SayWhatTheLineItselfGetsWrong)
{
    MonsterEntry entry = poring();
    entry.Race = kNoSelection;
    entry.JName = "Poring, the Great";
    entry.ID = "//1002";
    const IdLookup lookup = [](const std::string &id) -> std::optional<std::string> {
        return id == "//1002" ? std::optional<std::string>("ID //1002 is PORING, mob_db.txt line 3")
                              : std::nullopt;
    };
    const std::vector<std::string> warnings = entryWarnings(entry, lookup);
    ASSERT_GE(warnings.size(), 4u);
    EXPECT_EQ(warnings[0], "Race: No Race is selected: the line says -1, which the server does not "
                           "read as one.");
    EXPECT_EQ(warnings[1], "A comma in Display Name: the line gets more than 57 fields.");
    EXPECT_EQ(warnings[2], "The line begins with \"//\": the servers skip it as a comment.");
    EXPECT_EQ(warnings.back(),
              "ID: The ID is already in an open file: ID //1002 is PORING, mob_db.txt line 3.");
}

TEST(Warnings, TellEachServerWhatItStores)
{
    MonsterEntry entry = poring();
    entry.Name = "ENCHANTED_PEACH_TREE_BULLET";
    entry.Drop1Per = "0";
    const std::vector<std::string> warnings = entryWarnings(entry);
    const std::vector<std::string> expected{
        "DB Name: Freya keeps 24 bytes of a name: it stores \"ENCHANTED_PEACH_TREE_BUL\" of 27 "
        "UTF-8 bytes.",
        "DB Name: eAthena keeps 23 bytes of a name: it stores \"ENCHANTED_PEACH_TREE_BU\" of 27 "
        "UTF-8 bytes.",
        "Drop 1 Rate: Freya leaves this drop out (its rate is 0).",
        "Drop 1 Rate: eAthena drops it at 0.01 %: its least rate is 1."};
    EXPECT_EQ(warnings, expected);
}

// Each server's row at its edges: the first and last ID it reads, those
// around them and its skipped ones, and a name of just the bytes it keeps
// and one byte more. Only that server's findings are looked at.
TEST(ServerProfiles, JudgeAtTheirEdges)
{
    const auto finds = [](const MonsterEntry &entry, Server server, const std::string &field) {
        for (const Finding &finding : textFindings(entry, namesAsHeld(entry)))
            if (finding.field == field && (finding.servers & unsigned(server)) != 0)
                return true;
        return false;
    };
    for (const ServerProfile &profile : kServers) {
        SCOPED_TRACE(profile.name);
        EXPECT_NE(serversNamed(profile.option) & unsigned(profile.server), 0U);
        MonsterEntry entry = poring();
        entry.carried.layout = profile.layout;
        const bool skips = profile.firstSkipped <= profile.lastSkipped;
        for (const auto &[id, read] : {std::pair{profile.firstId - 1, false},
                                       {profile.firstId, true},
                                       {profile.lastId, true},
                                       {profile.lastId + 1, false},
                                       {skips ? profile.firstSkipped : profile.firstId, !skips},
                                       {skips ? profile.lastSkipped + 1 : profile.lastId, true}}) {
            entry.ID = std::to_string(id);
            EXPECT_EQ(finds(entry, profile.server, "ID"), !read) << id;
        }
        entry.ID = "1002";
        entry.Name = std::string(profile.nameBytes, 'N');
        EXPECT_FALSE(finds(entry, profile.server, "DB Name"));
        entry.Name += 'N';
        EXPECT_TRUE(finds(entry, profile.server, "DB Name"));
    }
    EXPECT_EQ(serversNamed("FREYA"), unsigned(Server::Freya));
    // One server, both of its readers.
    EXPECT_EQ(serversNamed("rathena"), unsigned(Server::RAthena) | unsigned(Server::RAthenaYaml));
    EXPECT_EQ(serversNamed("hercules"), unsigned(Server::Hercules));
    EXPECT_EQ(serversNamed("auriga"), 0U);
}

} // namespace

namespace {

/// A converter that writes "ö" as one byte and has no other character past ASCII.
std::optional<std::string> oneByteOe(std::string_view utf8, const LegacyEncoding &)
{
    std::string bytes;
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        if (utf8.substr(at, 2) == "\xC3\xB6") {
            bytes += '\xF6';
            ++at;
        } else if ((utf8[at] & 0x80) != 0) {
            return std::nullopt;
        } else {
            bytes += utf8[at];
        }
    }
    return bytes;
}

} // namespace

TEST(OutputNotes, NamesAreWrittenInTheChosenEncodingOrSaidToStayUtf8)
{
    MonsterEntry entry = startupEntry();
    entry.Name = "P\xC3\xB6ring";
    entry.JName = "Po\xE2\x82\xACring"; // a euro sign: no such character
    entry.carried.otherName = "\xC3\xB6";
    entry.carried.hasOtherName = true;
    const struct {
        Layout layout;
        const LegacyEncoding *encoding;
        std::string name, jname, other;
        std::size_t problems;
    } rows[] = {
        {Layout::Classic, nullptr, entry.Name, entry.JName, entry.carried.otherName, 0},
        // The classic line writes no iRO name: its bytes are the Display Name's.
        {Layout::Classic, &latin1(), "P\xF6ring", entry.JName, entry.JName, 1},
        {Layout::LaterEathena, &latin1(), "P\xF6ring", entry.JName, "\xF6", 1},
    };
    for (const auto &row : rows) {
        entry.carried.layout = row.layout;
        std::vector<std::string> problems;
        const NameBytes names = namesInEncoding(entry, row.encoding, oneByteOe, problems);
        EXPECT_EQ(names.name, row.name);
        EXPECT_EQ(names.jname, row.jname);
        EXPECT_EQ(names.other, row.other);
        ASSERT_EQ(problems.size(), row.problems);
        if (row.problems > 0) {
            EXPECT_EQ(problems[0].rfind("Display Name: ", 0), 0u) << problems[0];
        }
    }
}

TEST(OutputNotes, SaveInTheNamesEncodingOnlyForALineWithNamesPastAscii)
{
    const auto saysSave = [](const MonsterEntry &entry, Output form,
                             const LegacyEncoding *encoding) {
        const std::vector<std::string> notes =
            outputNotes(entry, form, encoding, oneByteOe, {}, {"loaded so"});
        EXPECT_NE(std::find(notes.begin(), notes.end(), "loaded so"), notes.end());
        return std::any_of(notes.begin(), notes.end(), [](const std::string &note) {
            return note.rfind("The names are in ", 0) == 0;
        });
    };
    MonsterEntry entry = startupEntry();
    EXPECT_FALSE(saysSave(entry, Output::Text, &latin1())); // ASCII names
    entry.Name = "P\xC3\xB6ring";
    EXPECT_TRUE(saysSave(entry, Output::Text, &latin1()));
    EXPECT_FALSE(saysSave(entry, Output::Sql, &latin1()));
    EXPECT_FALSE(saysSave(entry, Output::Text, nullptr));
}
