// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "BenchData.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

namespace grimlark::bench {

std::string databaseFile(int lines)
{
    static std::map<int, std::string> made;
    if (auto found = made.find(lines); found != made.end())
        return found->second;

    const std::string path = (std::filesystem::temp_directory_path() /
                              ("grimlark-bench-" + std::to_string(lines) + ".txt"))
                                 .string();
    std::ofstream out(path, std::ios::binary);
    std::mt19937 random(static_cast<std::mt19937::result_type>(lines));
    auto number = [&random](int low, int high) {
        return std::to_string(std::uniform_int_distribution<int>(low, high)(random));
    };
    out << "// mob_db.txt, Monster Database\r\n//\r\n";
    for (int i = 2; i < lines; ++i) {
        if (i % 50 == 0) {
            out << "\r\n";
            continue;
        }
        if (i % 50 == 1) {
            out << "// Monsters " << i << " and on\r\n";
            continue;
        }
        std::ostringstream line;
        line << 1000 + i << ",MONSTER_" << i << ",Monster " << i;
        for (int field = 3; field < 57; ++field)
            line << ',' << (field == 24 ? number(0, 4095) : number(0, 20000));
        out << line.str() << "\r\n";
    }
    made[lines] = path;
    return path;
}

std::string yamlDatabaseFile(int monsters)
{
    static std::map<int, std::string> made;
    if (auto found = made.find(monsters); found != made.end())
        return found->second;
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("grimlark-bench-" + std::to_string(monsters) + ".yml"))
                                 .string();
    std::ofstream out(path, std::ios::binary);
    std::mt19937 random(static_cast<std::mt19937::result_type>(monsters));
    auto number = [&random](int low, int high) {
        return std::to_string(std::uniform_int_distribution<int>(low, high)(random));
    };
    out << "# Monster Database\n\nHeader:\n  Type: MOB_DB\n  Version: 5\n\nBody:\n";
    const char *keys[] = {"Level",   "Hp",           "BaseExp",    "JobExp",    "Attack", "Attack2",
                          "Defense", "MagicDefense", "Agi",        "Vit",       "Int",    "Dex",
                          "Luk",     "AttackRange",  "SkillRange", "ChaseRange"};
    for (int i = 0; i < monsters; ++i) {
        out << "  - Id: " << 1001 + i << "\n    AegisName: MONSTER_" << i << "\n    Name: Monster "
            << i << "\n";
        for (const char *key : keys)
            out << "    " << key << ": " << number(1, 20000) << "\n";
        out << "    Size: Medium\n    Race: Demon\n    Element: Dark\n    ElementLevel: 2\n"
               "    WalkSpeed: 200\n    AttackDelay: "
            << number(500, 2000) << "\n    AttackMotion: 500\n    DamageMotion: 480\n"
            << "    Ai: 21\n";
        if (i % 5 == 0)
            out << "    Class: Boss\n    Modes:\n      Mvp: true\n";
        out << "    Drops:\n";
        for (int d = 0; d < 8; ++d)
            out << "      - Item: Item_" << number(1, 9000)
                << "\n        Rate: " << number(1, 10000) << "\n";
        if (i % 20 == 0)
            out << "#  - Id: " << 90000 + i << "\n#    AegisName: LEFT_OUT\n";
    }
    made[monsters] = path;
    return path;
}

std::string configDatabaseFile(int monsters)
{
    static std::map<int, std::string> made;
    if (auto found = made.find(monsters); found != made.end())
        return found->second;
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("grimlark-bench-" + std::to_string(monsters) + ".conf"))
                                 .string();
    std::ofstream out(path, std::ios::binary);
    std::mt19937 random(static_cast<std::mt19937::result_type>(monsters));
    auto number = [&random](int low, int high) {
        return std::to_string(std::uniform_int_distribution<int>(low, high)(random));
    };
    out << "//= Mobs Database\n\nmob_db: (\n";
    const char *keys[] = {"Lv", "Hp", "Sp", "Exp", "JExp", "AttackRange", "Def", "Mdef"};
    for (int i = 0; i < monsters; ++i) {
        out << (i % 20 == 0 ? "/*{\n\tId: 1\n},*/\n" : "") << "{\n\tId: " << 1001 + i
            << "\n\tSpriteName: \"MONSTER_" << i << "\"\n\tName: \"Monster " << i << "\"\n";
        for (const char *key : keys)
            out << "\t" << key << ": " << number(1, 20000) << "\n";
        out << "\tAttack: [" << number(1, 500) << ", " << number(500, 1000) << "]\n\tStats: {\n";
        for (const char *stat : {"Str", "Agi", "Vit", "Int", "Dex", "Luk"})
            out << "\t\t" << stat << ": " << number(0, 99) << "\n";
        out << "\t}\n\tViewRange: 10\n\tChaseRange: 12\n\tSize: \"Size_Medium\"\n"
               "\tRace: \"RC_Demon\"\n\tElement: (\"Ele_Dark\", 2)\n\tMode: {\n"
               "\t\tCanMove: true\n\t\tAggressive: true\n\t}\n\tMoveSpeed: 200\n"
               "\tAttackDelay: "
            << number(500, 2000) << "\n\tAttackMotion: 500\n\tDamageMotion: 480\n\tDrops: {\n";
        for (int d = 0; d < 8; ++d)
            out << "\t\tItem_" << number(1, 9000) << ": " << number(1, 10000) << "\n";
        out << "\t}\n},\n";
    }
    out << ")\n";
    made[monsters] = path;
    return path;
}

std::string readAll(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

namespace {
long statusField(const char *name)
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long kilobytes = 0;
    while (status >> key) {
        if (key == name) {
            status >> kilobytes;
            return kilobytes * 1024;
        }
        status.ignore(1 << 20, '\n');
    }
    return 0;
}
} // namespace

long residentBytes()
{
    return statusField("VmRSS:");
}
long peakResidentBytes()
{
    return statusField("VmHWM:");
}

void resetPeak()
{
    if (std::FILE *refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}

} // namespace grimlark::bench
