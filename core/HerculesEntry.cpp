// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "HerculesEntry.h"

#include "CodeTables.h"
#include "DropSlots.h"
#include "FieldTable.h"
#include "Libconfig.h"
#include "Numbers.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace grimlark {

namespace {

using Status = LoadResult::Status;
using Kind = ConfigNode::Kind;

// ---------------------------------------------------------------------------
// Hercules' constants: case-sensitive, as its scripts define them.

constexpr std::string_view kSizes[] = {"Size_Small", "Size_Medium", "Size_Large"};
constexpr std::string_view kRaces[] = {"RC_Formless", "RC_Undead", "RC_Brute", "RC_Plant",
                                       "RC_Insect",   "RC_Fish",   "RC_Demon", "RC_DemiHuman",
                                       "RC_Angel",    "RC_Dragon"};
constexpr std::string_view kElements[] = {"Ele_Neutral", "Ele_Water",  "Ele_Earth", "Ele_Fire",
                                          "Ele_Wind",    "Ele_Poison", "Ele_Holy",  "Ele_Dark",
                                          "Ele_Ghost",   "Ele_Undead"};
/// The keys of Mode, bit 1 first.
constexpr std::string_view kModes[] = {"CanMove",
                                       "Looter",
                                       "Aggressive",
                                       "Assist",
                                       "CastSensorIdle",
                                       "Boss",
                                       "Plant",
                                       "CanAttack",
                                       "Detector",
                                       "CastSensorChase",
                                       "ChangeChase",
                                       "Angry",
                                       "ChangeTargetMelee",
                                       "ChangeTargetChase",
                                       "TargetWeak",
                                       "NoKnockback"};
/// RaceGroup's constants that its own files name, as it defines them.
constexpr std::string_view kRaceGroups[] = {"RC2_Goblin", "RC2_Kobold",   "RC2_Orc",
                                            "RC2_Golem",  "RC2_Guardian", "RC2_Ninja"};
constexpr std::string_view kStats[] = {"Str", "Agi", "Vit", "Int", "Dex", "Luk"};
constexpr std::string MonsterEntry::*kStatBoxes[] = {&MonsterEntry::STR, &MonsterEntry::AGI,
                                                     &MonsterEntry::VIT, &MonsterEntry::INT,
                                                     &MonsterEntry::DEX, &MonsterEntry::LUK};

template <std::size_t N>
std::optional<std::size_t> positionOf(const std::string_view (&names)[N], std::string_view name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name)
            return i;
    return std::nullopt;
}

template <std::size_t N> std::string nameAt(const std::string_view (&names)[N], ListPosition at)
{
    return at >= 0 && std::size_t(at) < N ? std::string(names[std::size_t(at)]) : std::string();
}

// ---------------------------------------------------------------------------
// The settings of a monster, in the order Hercules' files write them.

enum class Value : std::uint8_t {
    Id,
    Text,
    OtherName,
    Number,
    Attack,
    Stats,
    Size,
    Race,
    Element,
    Mode,
    MvpDrops,
    Drops,
    Carried
};

struct GroupKey {
    const char *name = nullptr;
    Value value = Value::Carried;
    bool leftOutAtFallback = false; ///< its files leave it out there
    std::string MonsterEntry::*text = nullptr;
    const char *fallback = ""; ///< what Hercules takes where it is absent
};

const GroupKey kKeys[] = {
    {"Id", Value::Id, false, &MonsterEntry::ID},
    {"SpriteName", Value::Text, false, &MonsterEntry::Name},
    {"Name", Value::Text, false, &MonsterEntry::JName},
    {"JName", Value::OtherName},
    {"Lv", Value::Number, false, &MonsterEntry::Lvl, "1"},
    {"Hp", Value::Number, false, &MonsterEntry::HP, "1"},
    {"Sp", Value::Number, false, &MonsterEntry::SP, "1"},
    {"Exp", Value::Number, false, &MonsterEntry::EXP, "0"},
    {"JExp", Value::Number, false, &MonsterEntry::JEXP, "0"},
    {"AttackRange", Value::Number, false, &MonsterEntry::Range1, "1"},
    {"Attack", Value::Attack},
    {"Def", Value::Number, false, &MonsterEntry::DEF, "0"},
    {"Mdef", Value::Number, false, &MonsterEntry::MDEF, "0"},
    {"Stats", Value::Stats},
    {"ViewRange", Value::Number, false, &MonsterEntry::Range2, "1"},
    {"ChaseRange", Value::Number, false, &MonsterEntry::Range3, "1"},
    {"Size", Value::Size},
    {"Race", Value::Race},
    {"RaceGroup", Value::Carried},
    {"Element", Value::Element},
    {"Mode", Value::Mode},
    {"MoveSpeed", Value::Number, false, &MonsterEntry::Speed, "0"},
    {"AttackDelay", Value::Number, false, &MonsterEntry::ADelay, "4000"},
    {"AttackMotion", Value::Number, false, &MonsterEntry::aMotion, "2000"},
    {"DamageMotion", Value::Number, false, &MonsterEntry::DMotion, "0"},
    {"MvpExp", Value::Number, true, &MonsterEntry::MEXP, "0"},
    {"MvpDrops", Value::MvpDrops},
    {"Drops", Value::Drops},
    {"DamageTakenRate", Value::Carried},
    {"ViewData", Value::Carried},
    {"Inherit", Value::Carried},
};

const GroupKey *keyNamed(std::string_view name, bool anyCase = false)
{
    for (const GroupKey &key : kKeys)
        if (anyCase ? equalIgnoringCase(key.name, name) : name == key.name)
            return &key;
    return nullptr;
}

const std::vector<std::string_view> &keyOrder()
{
    static const std::vector<std::string_view> order = [] {
        std::vector<std::string_view> names;
        for (const GroupKey &key : kKeys)
            names.emplace_back(key.name);
        return names;
    }();
    return order;
}

// ---------------------------------------------------------------------------
// Writing.

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char escape[8];
            (void)std::snprintf(escape, sizeof escape, "\\x%02X", unsigned(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

/// A number as Hercules' files write it, or the text as typed where it is
/// none (a string then, which Hercules takes as a constant's name).
std::string number(std::string_view text)
{
    const std::string_view value = trimmed(text);
    const WholeNumber whole = parseWholeNumber(value);
    return whole.value ? std::to_string(*whole.value) : quoted(value);
}

/// A group of settings, one a line, under a key at `indent`.
std::string group(std::string_view key, const std::vector<std::string> &lines,
                  std::string_view indent, std::string_view lineEnd)
{
    std::string out = std::string(key) + ": {" + std::string(lineEnd);
    for (const std::string &line : lines)
        out += std::string(indent) + "\t" + line + std::string(lineEnd);
    return out + std::string(indent) + "}" + std::string(lineEnd);
}

std::string dropsGroup(const MonsterEntry &entry, const DropList &list,
                       const ConfigEntryText *source, std::string_view indent,
                       std::string_view lineEnd)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < list.count; ++i) {
        const DropSlot &slot = list.slots[i];
        if (!hasDrop(entry, slot))
            continue;
        const std::string &option =
            source ? (list.mvp ? source->mvpOptions[i] : source->dropOptions[i]) : std::string();
        std::string item(trimmed(entry.*slot.item));
        const bool plainName = !item.empty() && std::all_of(item.begin(), item.end(), [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                   c == '_' || c == '-' || c == '*' || c == '.';
        });
        if (!plainName)
            item = quoted(item); // no name Hercules reads; said by the warnings
        const std::string rate = number(entry.*slot.rate);
        lines.push_back(item + ": " +
                        (option.empty() ? rate : "(" + rate + ", " + quoted(option) + ")"));
    }
    if (source)
        for (const std::string &past : list.mvp ? source->mvpDropsPast : source->dropsPast)
            lines.push_back(past);
    if (lines.empty())
        return {};
    return group(list.mvp ? "MvpDrops" : "Drops", lines, indent, lineEnd);
}

long long modeNumber(const MonsterEntry &entry)
{
    return modeNumberOf(formatOf(Layout::Hercules), entry.Mode, entry.carried.modeAbove);
}

/// A setting on a line of its own: "Hp: 50" and the line end.
std::string setting(std::string_view key, std::string_view value, std::string_view end)
{
    std::string line(key);
    return line.append(": ").append(value).append(end);
}

/// Every setting the writer makes of `entry`, in Hercules' order.
std::vector<Rendered> renderKeys(const MonsterEntry &entry, const ConfigEntryText *source,
                                 std::string_view indent, std::string_view lineEnd)
{
    const std::string_view end = lineEnd;
    std::vector<Rendered> keys;
    for (const GroupKey &key : kKeys) {
        const std::string_view name = key.name;
        switch (key.value) {
        case Value::Id:
        case Value::Number:
            keys.push_back({key.name, setting(name, number(entry.*key.text), end),
                            key.leftOutAtFallback && trimmed(entry.*key.text) == key.fallback});
            break;
        case Value::Text:
            keys.push_back({key.name, setting(name, quoted(entry.*key.text), end)});
            break;
        case Value::OtherName:
            keys.push_back({key.name, setting(name, quoted(entry.carried.otherName), end),
                            !entry.carried.hasOtherName});
            break;
        case Value::Attack: {
            std::string pair = "[";
            pair.append(number(entry.ATK1)).append(", ").append(number(entry.ATK2)).append("]");
            keys.push_back({key.name, setting(name, pair, end)});
            break;
        }
        case Value::Stats: {
            std::vector<std::string> lines;
            for (std::size_t i = 0; i < std::size(kStats); ++i)
                lines.push_back(setting(kStats[i], number(entry.*kStatBoxes[i]), ""));
            keys.push_back({key.name, group(name, lines, indent, lineEnd)});
            break;
        }
        // A list with nothing chosen is left to Hercules' default.
        case Value::Size: {
            const std::string size = nameAt(kSizes, entry.Scale);
            keys.push_back({key.name, size.empty() ? size : setting(name, quoted(size), end)});
            break;
        }
        case Value::Race: {
            const std::string race = nameAt(kRaces, entry.Race);
            keys.push_back({key.name, !race.empty() ? setting(name, quoted(race), end)
                                      : entry.Race > 0
                                          ? setting(name, std::to_string(entry.Race), end)
                                          : race});
            break;
        }
        case Value::Element: {
            const std::string element = nameAt(kElements, entry.Element);
            std::string pair = "(";
            pair.append(quoted(element))
                .append(", ")
                .append(std::to_string(std::max(0, int(entry.ELvl)) + 1))
                .append(")");
            keys.push_back({key.name, element.empty() ? element : setting(name, pair, end)});
            break;
        }
        case Value::Mode: {
            std::vector<std::string> lines;
            const long long mode = modeNumber(entry);
            for (std::size_t bit = 0; bit < std::size(kModes); ++bit)
                if (mode & (1LL << bit))
                    lines.push_back(setting(kModes[bit], "true", ""));
            keys.push_back(
                {key.name, lines.empty() ? std::string() : group(name, lines, indent, lineEnd)});
            break;
        }
        case Value::MvpDrops:
        case Value::Drops:
            keys.push_back(
                {key.name, dropsGroup(entry, key.value == Value::MvpDrops ? kMvpDrops : kDrops,
                                      source, indent, lineEnd)});
            break;
        case Value::Carried:
            break;
        }
    }
    return keys;
}

MonsterEntry herculesDefaults();

/// The settings as written: in a group loaded from a file, one that is
/// absent stays so while its value is Hercules' default.
std::vector<Rendered> renderEntry(const MonsterEntry &entry, const ConfigEntryText *source,
                                  std::string_view indent, std::string_view lineEnd)
{
    std::vector<Rendered> keys = renderKeys(entry, source, indent, lineEnd);
    if (source && !source->entry.keys.empty()) {
        // An inheriting group gives what differs from the monster it
        // inherits; any other, what differs from Hercules' defaults.
        static const MonsterEntry defaults = herculesDefaults();
        const MonsterEntry &before = source->base ? *source->base : defaults;
        const std::vector<Rendered> fallback =
            renderKeys(before, before.carried.config.get(), indent, lineEnd);
        for (std::size_t i = 0; i < keys.size() && i < fallback.size(); ++i)
            keys[i].leftOut = keys[i].leftOut || keys[i].text == fallback[i].text;
    }
    return keys;
}

// ---------------------------------------------------------------------------
// Reading.

LoadResult refuseEntry(std::string why)
{
    LoadResult result;
    result.status = Status::NotAnEntry;
    result.value = std::move(why);
    return result;
}

std::string at(const ConfigNode &node)
{
    return " (line " + std::to_string(node.line) + ", column " + std::to_string(node.column) + ")";
}

/// A number setting as Hercules reads it: a negative one, or a string (a
/// constant of its scripts, which Grimlark does not know), leaves the
/// default, which is said.
std::optional<long long> readNumber(const ConfigNode &node, const std::string &name,
                                    std::vector<std::string> &notes)
{
    if (node.kind == Kind::Integer && node.integer >= 0)
        return node.integer;
    if (node.kind == Kind::Integer)
        notes.push_back("Hercules ignores a negative " + name + " (" + node.text +
                        "): it keeps its default.");
    else if (node.kind == Kind::String)
        notes.push_back("Hercules reads " + name + " " + quoteValue(node.text) +
                        " as a constant of its scripts; where it defines none of that name "
                        "(names are case-sensitive), " +
                        name + " keeps its default.");
    else
        notes.push_back("Hercules reads " + name + " as a number, which this is not" + at(node) +
                        ": it keeps its default.");
    return std::nullopt;
}

/// A constant setting (Size, Race, an Element's type): a number, or one of
/// `names` exactly as Hercules spells it; anything else leaves position 0.
template <std::size_t N>
ListPosition readConstant(const ConfigNode &node, const std::string_view (&names)[N],
                          const std::string &name, std::vector<std::string> &notes)
{
    if (node.kind == Kind::Integer && node.integer >= 0)
        return ListPosition(std::min<long long>(node.integer, N - 1));
    if (node.kind == Kind::String)
        if (const std::optional<std::size_t> found = positionOf(names, node.text))
            return ListPosition(*found);
    std::string note =
        "Hercules reads " + name + " " + quoteValue(node.text) + " as " + std::string(names[0]);
    for (const std::string_view known : names)
        if (equalIgnoringCase(known, node.text)) {
            notes.push_back(note +
                            ", without a word: its constants are case-sensitive, and "
                            "this one is " +
                            quoteValue(known) + ".");
            return 0;
        }
    notes.push_back(note + ", without a word: it defines no such constant.");
    return 0;
}

/// The group's settings cut from `text` (the group's bytes at `offset` in
/// what was read) line by line; nothing where two settings share a line,
/// when it is written anew.
std::optional<MapText> cutGroup(std::string_view text, const ConfigNode &node, std::size_t offset)
{
    if (node.children.empty())
        return std::nullopt;
    const auto lineStart = [text](std::size_t at) {
        const std::size_t before = text.rfind('\n', at == 0 ? 0 : at - 1);
        return at == 0 || before == std::string_view::npos ? std::size_t(0) : before + 1;
    };
    const auto lineEnd = [text](std::size_t at) {
        const std::size_t end = text.find('\n', at);
        return end == std::string_view::npos ? text.size() : end + 1;
    };
    MapText cut;
    const std::size_t closing = node.end - offset - 1; // its "}"
    const std::size_t closingLine = lineStart(closing);
    for (std::size_t i = 0; i < node.children.size(); ++i) {
        const ConfigNode &key = node.children[i];
        const std::size_t from = key.begin - offset;
        const std::size_t start = lineStart(from);
        const std::size_t end = lineEnd(key.end - offset - 1);
        const std::size_t next = i + 1 < node.children.size()
                                     ? lineStart(node.children[i + 1].begin - offset)
                                     : closingLine;
        if (end > next)
            return std::nullopt;
        // Each setting after the first on a line of its own, at one indent.
        const std::string_view before = text.substr(start, from - start);
        if (i == 0) {
            cut.lead = std::string(text.substr(0, from));
        } else {
            if (before.find_first_not_of(" \t") != std::string_view::npos ||
                (i > 1 && before != cut.indent))
                return std::nullopt;
            if (i == 1)
                cut.indent = std::string(before);
        }
        cut.keys.push_back({key.name, std::string(text.substr(from, end - from)),
                            std::string(text.substr(end, next - end)), std::nullopt});
    }
    if (node.children.size() == 1)
        cut.indent = "\t";
    cut.tail = std::string(text.substr(closingLine));
    return cut;
}

/// The drops of a Drops or MvpDrops group into the boxes of `list`.
void readDrops(const ConfigNode &drops, const DropList &list, MonsterEntry &coded,
               ConfigEntryText &source, std::vector<std::string> &notes)
{
    std::size_t slot = 0;
    for (const ConfigNode &drop : drops.children) {
        long long rate = 0;
        std::string option;
        if (drop.kind == Kind::Integer) {
            rate = drop.integer;
        } else if (drop.kind == Kind::List && !drop.children.empty() &&
                   drop.children[0].kind == Kind::Integer) {
            rate = drop.children[0].integer;
            if (drop.children.size() > 1 && drop.children[1].kind == Kind::String)
                option = drop.children[1].text;
        } else {
            notes.push_back("Hercules skips the drop " + quoteValue(drop.name) +
                            ": its rate is not a number" + at(drop) + ".");
            continue;
        }
        if (rate <= 0) {
            notes.push_back("Hercules skips the drop " + quoteValue(drop.name) +
                            ", with a warning: its rate is " + std::to_string(rate) + ".");
            continue;
        }
        if (slot >= list.count) {
            if (slot == list.count)
                notes.push_back("Hercules reads " + std::to_string(list.count) + " " + drops.name +
                                " at most (\"Too many drops\"); the rest are carried, not read.");
            (list.mvp ? source.mvpDropsPast : source.dropsPast)
                .push_back(drop.name + ": " +
                           (option.empty() && drop.kind == Kind::Integer
                                ? drop.text
                                : "(" + std::to_string(rate) +
                                      (option.empty() ? "" : ", " + quoted(option)) + ")"));
            ++slot;
            continue;
        }
        coded.*list.slots[slot].item = drop.name;
        coded.*list.slots[slot].rate = std::to_string(rate);
        (list.mvp ? source.mvpOptions[slot] : source.dropOptions[slot]) = option;
        ++slot;
    }
}

/// The monster as Hercules makes one before reading its settings.
MonsterEntry herculesDefaults()
{
    MonsterEntry entry;
    for (const GroupKey &key : kKeys)
        if (key.text)
            entry.*key.text = key.fallback;
    entry.ATK1 = entry.ATK2 = "0";
    for (std::string MonsterEntry::*stat : kStatBoxes)
        entry.*stat = "0";
    for (const DropList *list : {&kDrops, &kMvpDrops})
        for (std::size_t i = 0; i < list->count; ++i)
            entry.*list->slots[i].item = entry.*list->slots[i].rate = "0";
    // No setting gives it: the editor's start-up value, as for the layouts
    // without the field.
    entry.EXPPer = kFields[fieldIndex("ExpPer")].startup;
    entry.Scale = entry.Race = entry.Element = entry.ELvl = 0;
    entry.carried.layout = Layout::Hercules;
    return entry;
}

} // namespace

bool isConfigEntry(std::string_view text)
{
    const std::string_view start = trimmed(text);
    return !start.empty() && start.front() == '{' && start.find('\n') != std::string_view::npos;
}

namespace {

/// Loads `text`, over `base` where it inherits that monster (`where` in
/// words): Hercules copies the monster of its Id first, then reads the
/// group's settings over it.
LoadResult loadGroup(std::string_view text, const MonsterEntry *base, std::string_view where,
                     MonsterEntry &entry)
{
    // A group alone is no libconfig file: read as the one item of a list.
    constexpr std::string_view kBefore = "e:(";
    const ConfigDocument document =
        readConfig(std::string(kBefore) + std::string(text) + "\n)", 16);
    if (!document.read())
        return refuseEntry(
            "This group is not libconfig as Hercules reads it: " + document.message() + ".");
    const ConfigNode &list = document.root.children.front();
    if (list.children.size() != 1 || list.children.front().kind != Kind::Group)
        return refuseEntry("This is not one monster group of Hercules' database ({ Id: ..., "
                           "SpriteName: ..., ... }).");
    const ConfigNode &map = list.children.front();

    MonsterEntry coded = base ? *base : herculesDefaults();
    auto source = std::make_shared<ConfigEntryText>();
    if (base) {
        coded.carried.config = nullptr;
        if (const ConfigEntryText *before = base->carried.config.get()) {
            source->dropOptions = before->dropOptions;
            source->mvpOptions = before->mvpOptions;
        }
    }
    std::vector<std::string> notes;
    std::vector<const GroupKey *> seen;
    long long mode = base ? modeNumber(*base) : 0;
    for (const ConfigNode &setting : map.children) {
        const std::string &name = setting.name;
        const GroupKey *key = keyNamed(name);
        if (!key) {
            const GroupKey *near = keyNamed(name, true);
            notes.push_back(near ? "Hercules ignores the setting " + quoteValue(name) +
                                       ": names are case-sensitive, and this one is " +
                                       quoteValue(near->name) + "."
                                 : "Hercules ignores the setting " + quoteValue(name) +
                                       ", which it does not know.");
            continue;
        }
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) {
            notes.push_back("The setting " + quoteValue(name) +
                            " stands twice; Hercules reads the first.");
            continue;
        }
        seen.push_back(key);
        switch (key->value) {
        case Value::Id:
            if (setting.kind != Kind::Integer)
                return refuseEntry("Its Id is not a number" + at(setting) +
                                   ", and Hercules needs one for every monster.");
            coded.ID = std::to_string(setting.integer);
            break;
        case Value::Text:
        case Value::OtherName:
            if (setting.kind != Kind::String)
                return refuseEntry("Its " + name + " is not a string" + at(setting) + ".");
            if (key->text)
                coded.*key->text = setting.text;
            else
                coded.carried.otherName = setting.text, coded.carried.hasOtherName = true;
            break;
        case Value::Number:
            if (const std::optional<long long> value = readNumber(setting, name, notes))
                coded.*key->text = std::to_string(*value);
            break;
        case Value::Attack:
            if (setting.kind == Kind::Array || setting.kind == Kind::List) {
                std::string *boxes[] = {&coded.ATK1, &coded.ATK2};
                for (std::size_t i = 0; i < 2 && i < setting.children.size(); ++i)
                    if (const std::optional<long long> value =
                            readNumber(setting.children[i], name, notes))
                        *boxes[i] = std::to_string(*value);
            } else if (const std::optional<long long> value = readNumber(setting, name, notes)) {
                coded.ATK1 = coded.ATK2 = std::to_string(*value); // one value for both
            }
            break;
        case Value::Stats:
            if (setting.kind == Kind::Group) {
                for (std::size_t i = 0; i < std::size(kStats); ++i)
                    if (const ConfigNode *stat = setting.find(kStats[i]))
                        if (const std::optional<long long> value =
                                readNumber(*stat, std::string(kStats[i]), notes))
                            coded.*kStatBoxes[i] = std::to_string(*value);
            } else if (const std::optional<long long> value = readNumber(setting, name, notes)) {
                for (std::string MonsterEntry::*stat : kStatBoxes)
                    coded.*stat = std::to_string(*value); // one value for all six
            }
            break;
        case Value::Size:
            coded.Scale = readConstant(setting, kSizes, name, notes);
            break;
        case Value::Race:
            coded.Race = readConstant(setting, kRaces, name, notes);
            break;
        case Value::Element: {
            if (setting.kind != Kind::List && setting.kind != Kind::Array) {
                notes.push_back("Hercules reads Element as a list (type, level), which this is "
                                "not" +
                                at(setting) + ": it takes Ele_Neutral, 1.");
                break;
            }
            if (setting.children.size() < 2)
                notes.push_back("Hercules crashes while it loads an Element of one value: it "
                                "reads a level that is not there" +
                                at(setting) + ".");
            if (!setting.children.empty())
                coded.Element = readConstant(setting.children[0], kElements, name, notes);
            if (setting.children.size() >= 2) {
                const ConfigNode &level = setting.children[1];
                if (level.kind == Kind::Integer && level.integer >= 1 && level.integer <= 4)
                    coded.ELvl = ListPosition(level.integer - 1);
                else
                    notes.push_back("Hercules reads an element's level of " +
                                    quoteValue(level.text) +
                                    " as 1, with a warning: a level is 1 to 4.");
            }
            break;
        }
        case Value::Mode:
            if (setting.kind == Kind::Integer) {
                mode = setting.integer & 0xFFFF;
            } else if (setting.kind == Kind::Group) {
                mode = 0; // a group of modes sets them anew: an empty one clears them
                for (const ConfigNode &flag : setting.children) {
                    const std::optional<std::size_t> bit = positionOf(kModes, flag.name);
                    if (!bit) {
                        notes.push_back("Hercules ignores the mode " + quoteValue(flag.name) +
                                        ", which it does not know.");
                        continue;
                    }
                    if (flag.kind != Kind::Boolean)
                        notes.push_back("Hercules reads the mode " + quoteValue(flag.name) +
                                        " as true or false, which this is not" + at(flag) + ".");
                    if (flag.kind == Kind::Boolean && flag.integer != 0)
                        mode |= 1LL << *bit;
                    else
                        mode &= ~(1LL << *bit);
                }
            } else {
                notes.push_back("Hercules reads Mode as a group of modes or a number, which "
                                "this is not" +
                                at(setting) + ".");
            }
            break;
        case Value::MvpDrops:
        case Value::Drops:
            if (setting.kind != Kind::Group)
                return refuseEntry("Its " + name + " is not a group of drops" + at(setting) + ".");
            readDrops(setting, key->value == Value::MvpDrops ? kMvpDrops : kDrops, coded, *source,
                      notes);
            break;
        case Value::Carried:
            // Its own renewal file spells 46 of them in capitals, which it
            // does not define: each silently 0.
            if (name == "RaceGroup" && setting.kind == Kind::String &&
                !positionOf(kRaceGroups, setting.text))
                for (const std::string_view known : kRaceGroups)
                    if (equalIgnoringCase(known, setting.text))
                        notes.push_back("Hercules reads RaceGroup " + quoteValue(setting.text) +
                                        " as 0, without a word: its constants are "
                                        "case-sensitive, and this one is " +
                                        quoteValue(known) + ".");
            break;
        }
    }
    if (!map.find("Id"))
        return refuseEntry("This group has no Id, which Hercules needs for every monster.");
    long long rest = 0;
    coded.Mode = modeBoxesOf(formatOf(Layout::Hercules), mode, rest);
    coded.carried.modeAbove = int(rest);

    // The group as written, so that what is left as it was is written back
    // in its own bytes.
    if (std::optional<MapText> cut = cutGroup(text, map, kBefore.size())) {
        source->lineEnd = text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
        source->entry = std::move(*cut);
        for (const Rendered &made :
             renderEntry(coded, source.get(), source->entry.indent, source->lineEnd))
            for (KeyText &key : source->entry.keys)
                if (key.key == made.key)
                    key.loaded = made.text;
    }
    if (base) {
        source->base = std::make_shared<const MonsterEntry>(*base);
        notes.insert(notes.begin(),
                     "This group inherits the monster of its Id read before it (" +
                         std::string(where) +
                         "): shown as Hercules makes it, that monster with this group's "
                         "settings over it. Generate writes this group's settings, and the "
                         "others where they differ from that monster's.");
    }
    coded.carried.config = std::move(source);
    entry = std::move(coded);
    LoadResult result;
    result.notes = std::move(notes);
    return result;
}

} // namespace

LoadResult loadHerculesEntry(std::string_view text, MonsterEntry &entry)
{
    return loadGroup(text, nullptr, {}, entry);
}

LoadResult loadHerculesInherit(std::string_view text, std::string_view base, std::string_view where,
                               MonsterEntry &entry)
{
    MonsterEntry first;
    if (!loadHerculesEntry(base, first).loaded()) {
        LoadResult result = loadHerculesEntry(text, entry);
        if (result.loaded())
            result.notes.push_back("The monster of its Id read before it (" + std::string(where) +
                                   ") does not load, so this group is shown as a monster of its "
                                   "own.");
        return result;
    }
    // Hercules gives a new monster its Name as its JName, once.
    if (!first.carried.hasOtherName)
        first.carried.otherName = first.JName, first.carried.hasOtherName = true;
    return loadGroup(text, &first, where, entry);
}

std::string configEntryId(std::string_view text)
{
    // The group's "Id:" line, as Hercules' files write it.
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = trimmed(text.substr(at, end - at));
        at = end + 1;
        if (line.substr(0, 1) == "{")
            line = trimmed(line.substr(1));
        if (line.substr(0, 2) != "Id" || line.size() < 3 ||
            (line[2] != ':' && line[2] != ' ' && line[2] != '=' && line[2] != '\t'))
            continue;
        line = trimmed(line.substr(2));
        if (line.empty() || (line.front() != ':' && line.front() != '='))
            continue;
        line = trimmed(line.substr(1));
        const std::size_t digits = line.find_first_not_of("0123456789");
        return std::string(line.substr(0, digits));
    }
    return {};
}

bool inheritsItsId(std::string_view text)
{
    // Said as Hercules' files say it; a group that says it otherwise is read
    // as a monster of its own, which is no loss of its bytes.
    for (std::size_t at = text.find("Inherit"); at != std::string_view::npos;
         at = text.find("Inherit", at + 7)) {
        std::string_view rest = text.substr(at + 7);
        rest.remove_prefix(std::min(rest.size(), rest.find_first_not_of(" \t")));
        if (rest.empty() || (rest.front() != ':' && rest.front() != '='))
            continue;
        rest = trimmed(rest.substr(1));
        if (rest.size() >= 4 && equalIgnoringCase(rest.substr(0, 4), "true"))
            return true;
    }
    return false;
}

std::string writeHerculesEntry(const MonsterEntry &entry)
{
    const ConfigEntryText *source = entry.carried.config.get();
    const bool cut = source && !source->entry.keys.empty();
    const std::string lineEnd = source ? source->lineEnd : "\n";
    const std::string indent = cut ? source->entry.indent : "\t";
    std::string out =
        writeMap(cut ? &source->entry : nullptr, renderEntry(entry, source, indent, lineEnd),
                 keyOrder(), "{" + lineEnd + "\t", indent, lineEnd);
    if (!cut)
        out += "},";
    out.resize(withoutTrailingBlankLines(out).size());
    return out;
}

std::string alsoInThisGroup(const MonsterEntry &entry)
{
    std::string carried;
    const auto add = [&carried](const std::string &what) {
        carried += (carried.empty() ? "" : "; ") + what;
    };
    if (entry.carried.hasOtherName)
        add("JName " + quoteValue(entry.carried.otherName));
    if (entry.carried.modeAbove != 0) {
        std::string modes;
        for (std::size_t bit = 12; bit < std::size(kModes); ++bit)
            if (entry.carried.modeAbove & (1 << bit))
                modes += (modes.empty() ? "" : ", ") + std::string(kModes[bit]);
        add("modes no box shows: " + modes);
    }
    if (const ConfigEntryText *source = entry.carried.config.get())
        if (const std::string keys = settingsNoBoxHolds(*source); !keys.empty())
            add(keys);
    return carried.empty() ? carried : "Also in this group: " + carried + ".";
}

std::string settingsNoBoxHolds(const ConfigEntryText &source)
{
    std::string keys;
    const auto add = [&keys](const std::string &what) {
        keys += (keys.empty() ? "" : ", ") + what;
    };
    for (const KeyText &key : source.entry.keys)
        if (const GroupKey *known = keyNamed(key.key); known && known->value == Value::Carried)
            add(key.key);
    const auto given = [](const std::string &option) { return !option.empty(); };
    if (std::any_of(source.dropOptions.begin(), source.dropOptions.end(), given) ||
        std::any_of(source.mvpOptions.begin(), source.mvpOptions.end(), given))
        add("a drop's option group");
    return keys;
}

} // namespace grimlark
