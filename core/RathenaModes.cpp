// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "RathenaModes.h"

#include "Numbers.h"

#include <cstddef>

namespace grimlark {

namespace {

// rAthena's constants: the bits of a Mode number that its YAML names.

struct Named {
    std::string_view name;
    long long bits;
};

/// Its Ai values, and the order its converter tries them in (the first whose
/// bits a Mode number has all of names it; 06 is none).
constexpr Named kAis[] = {
    {"01", 0x81},   {"02", 0x83},          {"03", 0x1089},         {"04", 0x3885}, {"05", 0x2085},
    {"06", 0},      {"07", 0x108B},        {"08", 0x7085},         {"09", 0x3095}, {"10", 0x84},
    {"11", 0x84},   {"12", 0x2085},        {"13", 0x308D},         {"17", 0x91},   {"19", 0x3095},
    {"20", 0x3295}, {"21", 0x3695},        {"24", 0xA1},           {"25", 0x1},    {"26", 0xB695},
    {"27", 0x8084}, {"Abr_Passive", 0x21}, {"Abr_Offensive", 0xA5}};
constexpr std::string_view kAiOrder[] = {"26", "27", "08", "04", "21", "20", "09", "13", "05",
                                         "07", "03", "24", "17", "10", "02", "01", "25"};

/// Its Classes, in the order a Mode number is told to be one, with the bits
/// each adds as the monster loads (a Boss detects, is immune to status and
/// knock-back).
constexpr long long kBossBits = 0x6200000, kDetectorBit = 0x2000000;
constexpr Named kClasses[] = {{"Battlefield", 0xC000000},
                              {"Boss", kBossBits},
                              {"Guardian", 0x4000000},
                              {"Event", 0x1000000},
                              {"Normal", 0}};

/// The names under Modes, in the order its files list them (by name).
constexpr Named kModeNames[] = {{"Aggressive", 0x4},
                                {"Angry", 0x800},
                                {"Assist", 0x8},
                                {"CanAttack", 0x80},
                                {"CanMove", 0x1},
                                {"CastSensorChase", 0x200},
                                {"CastSensorIdle", 0x10},
                                {"ChangeChase", 0x400},
                                {"ChangeTargetChase", 0x2000},
                                {"ChangeTargetMelee", 0x1000},
                                {"Detector", 0x2000000},
                                {"FixedItemDrop", 0x1000000},
                                {"IgnoreMagic", 0x20000},
                                {"IgnoreMelee", 0x10000},
                                {"IgnoreMisc", 0x100000},
                                {"IgnoreRanged", 0x40000},
                                {"KnockBackImmune", 0x200000},
                                {"Looter", 0x2},
                                {"Mvp", 0x80000},
                                {"NoCast", 0x40},
                                {"NoRandomWalk", 0x20},
                                {"RandomTarget", 0x8000},
                                {"SkillImmune", 0x8000000},
                                {"StatusImmune", 0x4000000},
                                {"TargetWeak", 0x4000},
                                {"TeleportBlock", 0x400000}};

template <std::size_t N> const Named *named(const Named (&table)[N], std::string_view name)
{
    for (const Named &row : table)
        if (equalIgnoringCase(row.name, name))
            return &row;
    return nullptr;
}

} // namespace

YamlMode yamlModeOf(long long mode)
{
    YamlMode said;
    for (const Named &row : kClasses) {
        // A boss is told by its immunities alone (StatusImmune and
        // KnockBackImmune), as rAthena's own conversion told its text
        // layout's bosses, which lacked the Detector bit: its Class gives it
        // back as the monster loads.
        const long long told = row.bits == kBossBits ? kBossBits & ~kDetectorBit : row.bits;
        if (told != 0 && (mode & told) == told) {
            said.monsterClass = std::string(row.name);
            mode &= ~row.bits;
            break;
        }
    }
    if (said.monsterClass.empty())
        said.monsterClass = "Normal";
    said.ai = "06";
    for (const std::string_view ai : kAiOrder) {
        const long long bits = named(kAis, ai)->bits;
        if ((mode & bits) == bits) {
            said.ai = std::string(ai);
            mode &= ~bits;
            break;
        }
    }
    for (const Named &row : kModeNames)
        if (mode & row.bits)
            said.modes.emplace_back(row.name);
    return said;
}

YamlMode yamlModeKeeping(long long mode, std::string_view ai, std::string_view monsterClass,
                         std::optional<long long> from)
{
    YamlMode said;
    const long long kept = classBits(monsterClass).value_or(0);
    if ((mode & kept) == kept) {
        said.monsterClass = std::string(monsterClass);
        mode &= ~kept;
    } else {
        said = yamlModeOf(mode & (0xC000000 | 0x6200000 | 0x4000000 | 0x1000000));
        mode &= ~classBits(said.monsterClass).value_or(0);
    }
    said.ai = std::string(ai);
    said.modes.clear();
    const long long adds = classBits(said.monsterClass).value_or(0);
    const long long bits = from ? *from : aiBits(ai).value_or(0);
    for (const Named &row : kModeNames) {
        if ((mode & row.bits) && !(bits & row.bits))
            said.modes.emplace_back(row.name);
        else if (!(mode & row.bits) && (bits & row.bits) && !(adds & row.bits))
            said.cleared.emplace_back(row.name); // what the Class adds stays all the same
    }
    return said;
}

std::optional<long long> aiBits(std::string_view ai)
{
    const Named *row = named(kAis, ai);
    return row ? std::optional<long long>(row->bits) : std::nullopt;
}

std::optional<long long> classBits(std::string_view monsterClass)
{
    const Named *row = named(kClasses, monsterClass);
    return row ? std::optional<long long>(row->bits) : std::nullopt;
}

std::optional<long long> modeBitNamed(std::string_view name)
{
    const Named *row = named(kModeNames, name);
    return row ? std::optional<long long>(row->bits) : std::nullopt;
}

std::vector<std::string> modeNamesOf(long long bits)
{
    std::vector<std::string> names;
    for (const Named &row : kModeNames)
        if (bits & row.bits)
            names.emplace_back(row.name);
    return names;
}

long long bitsYamlNames()
{
    long long bits = 0;
    for (const Named &row : kModeNames)
        bits |= row.bits;
    for (const Named &row : kClasses)
        bits |= row.bits;
    return bits;
}

} // namespace grimlark
