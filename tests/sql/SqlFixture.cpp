// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// Writes what the MariaDB check runs and expects: the statements that Generate >
// SQL Entry makes for a set of monsters, and each monster's 57 values as each
// server's own table stores them (hexadecimal, tab-separated, in ID order), to
// compare with what MariaDB stored. A value the table clamps must be warned
// under SQL Entry, for that server: the fixture fails otherwise.
//
// Usage: sql_fixture hostile OUT_DIR      monsters whose names hold hostile text
//        sql_fixture file PATH OUT_DIR    every monster line of a database file
//        sql_fixture replace OUT_DIR      monsters whose rows a strict server may
//                                         refuse: replace-N.sql and replace-N-later.sql
//                                         (classic and later table), their names
//                                         on standard output, "N name" a line

#include "core/DatabaseFile.h"
#include "core/EntryLoader.h"
#include "core/FieldTable.h"
#include "core/Layout.h"
#include "core/ServerRules.h"
#include "core/SqlEntry.h"
#include "core/TextEntry.h"
#include "tests/common/Fixtures.h"

#include <algorithm>
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

/// What a lenient server stores in a number column for a value: the number,
/// or for text its leading number or 0, within the column's range.
std::string storedAsNumber(const std::string &value, const ColumnRange &range, bool &clamped)
{
    const long long number = std::strtoll(value.c_str(), nullptr, 10);
    clamped = number < range.low || number > range.high;
    return std::to_string(number < range.low    ? range.low
                          : number > range.high ? range.high
                                                : number);
}

} // namespace

/// Writes the statements of monsters whose ID the table already holds, some
/// with values a strict server refuses.
int writeReplacements(const std::string &out)
{
    struct Case {
        const char *name;
        void (*change)(MonsterEntry &);
    };
    static const Case kCases[] = {
        {"the start-up monster (-1 for Scale, Race and Element)", [](MonsterEntry &) {}},
        {"STR 300", [](MonsterEntry &e) { e.STR = "300"; }},
        {"ID 1002.6", [](MonsterEntry &e) { e.ID = "1002.6"; }},
        {"ID 99999999999", [](MonsterEntry &e) { e.ID = "99999999999"; }},
        {"every list chosen", [](MonsterEntry &e) { e.Scale = e.Race = e.Element = e.ELvl = 0; }},
    };
    bool written = true;
    int number = 0;
    for (const Case &c : kCases) {
        MonsterEntry entry = startupEntry();
        entry.ID = "1002";
        c.change(entry);
        const std::string file = out + "/replace-" + std::to_string(++number);
        std::ofstream(file + ".sql", std::ios::binary) << BuildSqlEntry(entry) << '\n';
        entry.carried.layout = Layout::LaterEathena;
        std::ofstream later(file + "-later.sql", std::ios::binary);
        later << BuildSqlEntry(entry) << '\n';
        written = written && later;
        std::printf("%d %s\n", number, c.name);
    }
    return written ? 0 : 1;
}

int main(int argc, char **argv)
{
    const std::string mode = argc > 2 ? argv[1] : "";
    if (mode == "replace" && argc == 3)
        return writeReplacements(argv[2]);
    if (!((mode == "hostile" && argc == 3) || (mode == "file" && argc == 4))) {
        (void)std::fprintf(
            stderr, "usage: %s hostile OUT_DIR | file PATH OUT_DIR | replace OUT_DIR\n", argv[0]);
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
        // Values past the tables' columns: clamped in the old mode, and warned.
        MonsterEntry past = startupEntry();
        past.ID = std::to_string(id);
        past.HP = "9000000"; // past Freya's mediumint
        past.STR = "300";    // past both tables' tinyint unsigned
        past.EXP = "-5";     // below eAthena's unsigned column
        monsters[id] = past;
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
    std::ofstream freya(out + "/expected-freya.tsv", std::ios::binary);
    std::ofstream eathena(out + "/expected-eathena.tsv", std::ios::binary);
    // The same monsters in the later layout's table, its columns in its order.
    std::ofstream later(out + "/expected-later.tsv", std::ios::binary);
    std::ofstream laterStatements(out + "/later.sql", std::ios::binary);
    int unwarned = 0;
    /// True when `findings` say that `server`'s table does not hold `field`'s value.
    const auto warnedOfTable = [](const std::vector<Finding> &findings, Server server,
                                  const char *field) {
        return std::any_of(findings.begin(), findings.end(), [&](const Finding &f) {
            return f.field == field && (f.servers & unsigned(server)) &&
                   (f.message.find("table holds") != std::string::npos ||
                    f.message.find("tables hold") != std::string::npos);
        });
    };
    for (const auto &[id, entry] : monsters) {
        MonsterEntry inLater = entry;
        inLater.carried.layout = Layout::LaterEathena;
        laterStatements << BuildSqlEntry(inLater) << '\n';
        const std::vector<Finding> findings = sqlFindings(inLater, namesAsHeld(inLater));
        std::string row;
        const LayoutFormat &format = formatOf(Layout::LaterEathena);
        for (const int classic : std::vector<int>(format.order, format.order + format.fieldCount)) {
            std::string value;
            if (classic == kOtherName) {
                value = entry.JName;
            } else {
                const FieldInfo &field = kFields[std::size_t(classic)];
                appendFieldValue(value, field, entry);
                bool clamped = false;
                const ColumnRange range = columnRange(Server::EAthena2011, std::size_t(classic));
                if (!range.text)
                    value = storedAsNumber(value, range, clamped);
                if (clamped && !warnedOfTable(findings, Server::EAthena2011, field.name)) {
                    (void)std::fprintf(stderr, "%s: %s of ID %ld is clamped but not warned\n",
                                       nameOf(Server::EAthena2011), field.name, id);
                    ++unwarned;
                }
            }
            row += (row.empty() ? "" : "\t") + hex(value);
        }
        later << row << '\n';
    }
    for (const auto &[id, entry] : monsters) {
        statements << BuildSqlEntry(entry) << '\n';
        const std::vector<Finding> findings = sqlFindings(entry, namesAsHeld(entry));
        for (const auto &[server, expected] :
             {std::pair{Server::Freya, &freya}, std::pair{Server::EAthena, &eathena}}) {
            std::string row;
            for (std::size_t i = 0; i < kFields.size(); ++i) {
                std::string value;
                appendFieldValue(value, kFields[i], entry);
                const ColumnRange range = columnRange(server, i);
                bool clamped = false;
                if (!range.text)
                    value = storedAsNumber(value, range, clamped);
                if (clamped && !warnedOfTable(findings, server, kFields[i].name)) {
                    (void)std::fprintf(stderr, "%s: %s of ID %ld is clamped but not warned\n",
                                       nameOf(server), kFields[i].name, id);
                    ++unwarned;
                }
                row += (row.empty() ? "" : "\t") + hex(value);
            }
            *expected << row << '\n';
        }
    }
    if (unwarned)
        return 1;
    std::printf("%zu monsters\n", monsters.size());
    return statements && freya && eathena && later && laterStatements ? 0 : 1;
}
