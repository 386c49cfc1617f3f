// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// Writes what the MariaDB check runs and expects: the statements that Generate >
// SQL Entry makes for a set of monsters, and each monster's 57 values as the
// editor holds them (hexadecimal, tab-separated, in ID order), to compare with
// what the server stored.
//
// Usage: sql_fixture hostile OUT_DIR      monsters whose names hold hostile text
//        sql_fixture file PATH OUT_DIR    every monster line of a database file

#include "core/DatabaseFile.h"
#include "core/EntryLoader.h"
#include "core/FieldTable.h"
#include "core/SqlEntry.h"
#include "core/TextEntry.h"
#include "tests/common/Fixtures.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

using namespace grimlark;

namespace {

std::string hex(const std::string &bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : bytes) {
        out += kDigits[static_cast<unsigned char>(c) >> 4];
        out += kDigits[static_cast<unsigned char>(c) & 15];
    }
    return out;
}

/// What a lenient server stores in a number column (mediumint here) for a
/// value: the number, or for text its leading number or 0, within the range.
std::string storedAsNumber(const std::string &value, bool isUnsigned)
{
    const long long low = isUnsigned ? 0 : -8388608, high = isUnsigned ? 16777215 : 8388607;
    const long long number = std::strtoll(value.c_str(), nullptr, 10);
    return std::to_string(number < low ? low : number > high ? high : number);
}

} // namespace

int main(int argc, char **argv)
{
    const std::string mode = argc > 2 ? argv[1] : "";
    if (!((mode == "hostile" && argc == 3) || (mode == "file" && argc == 4))) {
        (void)std::fprintf(stderr, "usage: %s hostile OUT_DIR | file PATH OUT_DIR\n", argv[0]);
        return 2;
    }
    std::map<long, MonsterEntry> monsters; // by ID, as the table orders them
    if (mode == "hostile") {
        long id = 1;
        for (const std::string &text : grimlark::test::kHostileTexts) {
            MonsterEntry entry = startupEntry();
            entry.ID = std::to_string(id);
            entry.Name = text;
            entry.JName = text + text;
            entry.Element = 3;
            entry.ELvl = 1;
            entry.Mode[CanMove] = entry.Mode[Boss] = true;
            monsters[id++] = entry;
        }
    } else {
        DatabaseFile file;
        if (readDatabaseFile(argv[2], file).status != ReadStatus::Done) {
            (void)std::fprintf(stderr, "cannot read %s\n", argv[2]);
            return 1;
        }
        int lines = 0;
        for (std::size_t i = 0; i < file.lines(); ++i) {
            MonsterEntry entry = startupEntry();
            const LoadResult result = LoadEntryIntoEditor(file.line(i), entry);
            lines += result.status != LoadResult::Status::NoLine &&
                     result.status != LoadResult::Status::CommentLine;
            if (result.loaded())
                monsters[std::stol(entry.ID)] = entry;
        }
        std::printf("%zu of %d monster lines loaded; ", monsters.size(), lines);
    }
    const std::string out = argv[argc - 1];
    std::ofstream statements(out + "/statements.sql", std::ios::binary);
    std::ofstream expected(out + "/expected.tsv", std::ios::binary);
    for (const auto &[id, entry] : monsters) {
        statements << BuildSqlEntry(entry) << '\n';
        std::string row;
        for (const FieldInfo &field : kFields) {
            std::string value;
            appendFieldValue(value, field, entry);
            if (!isNameField(field))
                value = storedAsNumber(value, &field == &kFields.front());
            row += (row.empty() ? "" : "\t") + hex(value);
        }
        expected << row << '\n';
    }
    std::printf("%zu monsters\n", monsters.size());
    return statements && expected ? 0 : 1;
}
