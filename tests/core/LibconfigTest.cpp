// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/Libconfig.h"
#include "core/HerculesMobDb.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace grimlark;

namespace {

struct SyntaxRow {
    const char *name;
    std::string text;
    std::string value; ///< the first setting's value as text ("" for a collection)
    std::size_t children = 0;
};
[[maybe_unused]] void PrintTo(const SyntaxRow &row, std::ostream *out)
{
    *out << row.name;
}

class Syntax : public testing::TestWithParam<SyntaxRow> {};

// Hercules' own copy of libconfig reads what upstream's refuses.
TEST_P(Syntax, ReadAsHerculesReadsIt)
{
    const ConfigDocument document = readConfig(GetParam().text);
    ASSERT_TRUE(document.read()) << document.message();
    ASSERT_FALSE(document.root.children.empty());
    const ConfigNode &first = document.root.children.front();
    EXPECT_EQ(first.kind == ConfigNode::Kind::Integer ? std::to_string(first.integer) : first.text,
              GetParam().value);
    EXPECT_EQ(first.children.size(), GetParam().children);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Syntax,
    testing::Values(SyntaxRow{"ANameBeginningWithADigit", "3rd_Floor_Pass: 100", "100"},
                    SyntaxRow{"ANameTwice", "Drops: { Apple: 1 Apple: 2 }", "", 2},
                    SyntaxRow{"ABlockOfText", "Script: <\" a\n\"b\" \">", " a\n\"b\" "},
                    SyntaxRow{"AdjacentStringsJoined", "Name: \"Po\" /* */ \"ring\";", "Poring"},
                    SyntaxRow{"Escapes", R"(Name: "a\"b\\c\x41\n")", "a\"b\\cA\n"},
                    SyntaxRow{"Underscores", "Hp: 1_000_000", "1000000"},
                    SyntaxRow{"Hexadecimal", "Mode: 0x8F", "143"},
                    SyntaxRow{"Binary", "Mode: 0b101", "5"}, SyntaxRow{"Octal", "Mode: 0o17", "15"},
                    SyntaxRow{"ALongInteger", "Exp: 5000000000L", "5000000000"},
                    SyntaxRow{"Negative", "Def: -5,", "-5"},
                    SyntaxRow{"Float", "Rate: 1.5e-3", "1.5e-3"},
                    SyntaxRow{"BooleanInAnyCase", "Boss: TRUE", "TRUE"},
                    SyntaxRow{"EqualsAndComments", "// a\n# b\nId = 1001; /* c */", "1001"},
                    SyntaxRow{"AListWithATrailingComma", "mob_db: ( { Id: 1 }, { Id: 2 }, )", "",
                              2},
                    SyntaxRow{"AnArray", "Attack: [7, 10]", "", 2}));

struct FaultRow {
    const char *name;
    std::string text;
    ConfigFault fault;
    std::size_t line, column;
};
[[maybe_unused]] void PrintTo(const FaultRow &row, std::ostream *out)
{
    *out << row.name;
}

class Faults : public testing::TestWithParam<FaultRow> {};

// A text Hercules would not read is refused where it goes wrong.
TEST_P(Faults, SayWhere)
{
    const ConfigDocument document = readConfig(GetParam().text);
    EXPECT_EQ(document.fault, GetParam().fault) << document.message();
    EXPECT_EQ(document.line, GetParam().line);
    EXPECT_EQ(document.column, GetParam().column);
    EXPECT_TRUE(document.root.children.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Faults,
    testing::Values(
        FaultRow{"AnUnterminatedGroup", "mob_db: (\n{\n\tId: 1\n", ConfigFault::UnexpectedEnd, 4,
                 1},
        FaultRow{"AnUnterminatedString", "Name: \"Poring", ConfigFault::UnexpectedEnd, 1, 7},
        FaultRow{"AnUnterminatedComment", "Id: 1 /* no end", ConfigFault::UnexpectedEnd, 1, 7},
        FaultRow{"NoValue", "Id: ;", ConfigFault::UnexpectedCharacter, 1, 5},
        FaultRow{"AGroupInAnArray", "A: [ { } ]", ConfigFault::UnexpectedCharacter, 1, 6},
        FaultRow{"ItemsWithoutAComma", "A: ( 1 2 )", ConfigFault::UnexpectedCharacter, 1, 8},
        FaultRow{"PastSixtyFourBits", "A: 99999999999999999999", ConfigFault::BadNumber, 1, 4},
        FaultRow{"ANumberThatIsNone", "A: 12ab", ConfigFault::BadNumber, 1, 4},
        FaultRow{"ABadEscape", R"(A: "\q")", ConfigFault::BadEscape, 1, 5},
        FaultRow{"TooDeep", std::string("A: ") + std::string(40, '(') + std::string(40, ')'),
                 ConfigFault::TooDeep, 1, 36}));

// The database's frame: its list of groups, and the lines of each monster;
// a monster commented out is none.
TEST(HerculesMobDb, ListsTheMonstersAndTheirLines)
{
    const HerculesMobDb db = readHerculesMobDb("// head\nmob_db: (\n{\n\tId: 1001\n\tSpriteName: "
                                               "\"SCORPION\"\n},\n/*{\n\tId: 1003\n},*/\n{\n\tId: "
                                               "1002\n\tName: \"Poring\"\n},\n)\n");
    ASSERT_EQ(db.fault, HerculesMobDb::Fault::None) << db.message();
    ASSERT_EQ(db.monsters.size(), 2U);
    EXPECT_EQ(db.monsters[0].spriteName, "SCORPION");
    EXPECT_EQ(db.monsters[1].name, "Poring");
    using Span = std::pair<std::size_t, std::size_t>;
    EXPECT_EQ(db.lineSpans(), (std::vector<Span>{{2, 5}, {9, 12}}));
    EXPECT_EQ(readHerculesMobDb("item_db: ( { Id: 501 } )").fault, HerculesMobDb::Fault::NoList);
    EXPECT_EQ(readHerculesMobDb("mob_db: ( 1 )").fault, HerculesMobDb::Fault::NotAGroup);
    EXPECT_NE(readHerculesMobDb("mob_db: (").message().find("line 1"), std::string::npos);
}

} // namespace
