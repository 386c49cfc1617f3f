// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "core/EntryWarnings.h"
#include "tests/common/Fixtures.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace grimlark;
using namespace grimlark::test; // the fixtures and the field positions

namespace {

struct WarningRow {
    const char *name;
    void (*change)(MonsterEntry &);
    std::vector<std::string> warnings;
};

/// Names the row in test output, instead of dumping its bytes.
[[maybe_unused]] void PrintTo(const WarningRow &row, std::ostream *out)
{
    *out << row.name;
}

MonsterEntry selected()
{
    MonsterEntry entry = startupEntry();
    entry.Scale = entry.Race = entry.Element = 0;
    return entry;
}

} // namespace

class Warnings : public testing::TestWithParam<WarningRow> {};

TEST_P(Warnings, SayWhatTheServerWillNotTake)
{
    MonsterEntry entry = selected();
    GetParam().change(entry);
    const IdLookup lookup = [](const std::string &id) -> std::optional<std::string> {
        if (id == "1002")
            return std::string("ID 1002 is PORING, mob_db.txt line 327");
        return std::nullopt;
    };
    EXPECT_EQ(entryWarnings(entry, lookup), GetParam().warnings);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Warnings,
    testing::Values(
        WarningRow{"none", [](MonsterEntry &) {}, {}},
        WarningRow{"negativeAndNamesAreFine",
                   [](MonsterEntry &e) {
                       e.MEXP = "-5";
                       e.JName = "Poring 2";
                   },
                   {}},
        WarningRow{
            "noSelection",
            [](MonsterEntry &e) { e = startupEntry(); },
            {"No Scale is selected: the line says -1, which the server does not read as one.",
             "No Race is selected: the line says -1, which the server does not read as one.",
             "No Element is selected: the line says -1, which the server does not read as "
             "one."}},
        WarningRow{"textForNumbers",
                   [](MonsterEntry &e) {
                       e.Lvl = "high";
                       e.HP = "";
                       e.DropID1 = " 909";
                   },
                   {"Text where the server reads a number: Level \"high\", HP \"\", Drop 1 Item ID "
                    "\" 909\"."}},
        WarningRow{"commaAndComment",
                   [](MonsterEntry &e) {
                       e.JName = "Poring, the Great";
                       e.Name = "http://x";
                   },
                   {"A comma in Display Name: the line gets more than 57 fields.",
                    "\"//\" in DB Name: Grimlark reads such a line back as a comment and will not "
                    "load it."}},
        WarningRow{"idInAnOpenFile",
                   [](MonsterEntry &e) { e.ID = "1002"; },
                   {"The ID is already in an open file: ID 1002 is PORING, mob_db.txt line 327."}}),
    [](const auto &test) { return std::string(test.param.name); });
