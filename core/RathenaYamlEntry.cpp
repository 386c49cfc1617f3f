// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "RathenaYamlEntry.h"

#include "CodeTables.h"
#include "DropSlots.h"
#include "FieldTable.h"
#include "Numbers.h"
#include "RathenaModes.h"
#include "Utf8.h"
#include "Yaml.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace grimlark {

namespace {

using Status = LoadResult::Status;

// ---------------------------------------------------------------------------
// rAthena's constants: what its YAML names, and the bits of a Mode number.

constexpr std::string_view kRaceNames[] = {"Formless", "Undead", "Brute",        "Plant",
                                           "Insect",   "Fish",   "Demon",        "Demihuman",
                                           "Angel",    "Dragon", "Player_Human", "Player_Doram"};

/// The name at a list position, or "" for none.
template <std::size_t N> std::string nameAt(const std::string_view (&names)[N], ListPosition at)
{
    return at >= 0 && std::size_t(at) < N ? std::string(names[std::size_t(at)]) : std::string();
}

template <std::size_t N>
std::optional<int> positionNamed(const std::string_view (&names)[N], std::string_view name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (equalIgnoringCase(names[i], name))
            return int(i);
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// The keys of a monster, in the order rAthena's files write them.

enum class Value : std::uint8_t {
    Id,
    Text,
    Number,
    OtherName,
    Size,
    Race,
    Element,
    ElementLevel,
    Ai,
    Class,
    Modes,
    MvpDrops,
    Drops,
    Carried
};

struct EntryKey {
    const char *name = nullptr;
    Value value = Value::Carried;
    bool always = false; ///< written at its default all the same
    std::string MonsterEntry::*text = nullptr;
    /// What rAthena takes where the key is absent.
    const char *fallback = "";
    /// What rAthena's own converter leaves out of a monster it writes anew,
    /// values apart by "|"; null: the fallback alone. (It writes a speed or
    /// a delay whenever the text had one, and leaves out a 0, which rAthena
    /// raises; an HP or SP of 0 or 1 it leaves out, which rAthena stores as 1.)
    const char *composedLeavesOut = nullptr;
};

const EntryKey kKeys[] = {
    {"Id", Value::Id, true, &MonsterEntry::ID, ""},
    {"AegisName", Value::Text, true, &MonsterEntry::Name, ""},
    {"Name", Value::Text, true, &MonsterEntry::JName, ""},
    {"JapaneseName", Value::OtherName},
    {"Level", Value::Number, true, &MonsterEntry::Lvl, "1"},
    {"Hp", Value::Number, false, &MonsterEntry::HP, "1", "0|1"},
    {"Sp", Value::Number, false, &MonsterEntry::SP, "1", "0|1"},
    {"BaseExp", Value::Number, false, &MonsterEntry::EXP, "0"},
    {"JobExp", Value::Number, false, &MonsterEntry::JEXP, "0"},
    {"MvpExp", Value::Number, false, &MonsterEntry::MEXP, "0"},
    {"Attack", Value::Number, false, &MonsterEntry::ATK1, "0"},
    {"Attack2", Value::Number, false, &MonsterEntry::ATK2, "0"},
    {"Defense", Value::Number, false, &MonsterEntry::DEF, "0"},
    {"MagicDefense", Value::Number, false, &MonsterEntry::MDEF, "0"},
    {"Resistance", Value::Carried},
    {"MagicResistance", Value::Carried},
    {"Str", Value::Number, false, &MonsterEntry::STR, "1"},
    {"Agi", Value::Number, false, &MonsterEntry::AGI, "1"},
    {"Vit", Value::Number, false, &MonsterEntry::VIT, "1"},
    {"Int", Value::Number, false, &MonsterEntry::INT, "1"},
    {"Dex", Value::Number, false, &MonsterEntry::DEX, "1"},
    {"Luk", Value::Number, false, &MonsterEntry::LUK, "1"},
    {"AttackRange", Value::Number, false, &MonsterEntry::Range1, "0"},
    {"SkillRange", Value::Number, false, &MonsterEntry::Range2, "0"},
    {"ChaseRange", Value::Number, false, &MonsterEntry::Range3, "0"},
    {"Size", Value::Size, true, nullptr, ""},
    {"Race", Value::Race, true, nullptr, ""},
    {"RaceGroups", Value::Carried},
    {"Element", Value::Element, true, nullptr, ""},
    {"ElementLevel", Value::ElementLevel, true, nullptr, ""},
    {"WalkSpeed", Value::Number, false, &MonsterEntry::Speed, "150", "0"},
    {"AttackDelay", Value::Number, false, &MonsterEntry::ADelay, "100", "0"},
    {"AttackMotion", Value::Number, false, &MonsterEntry::aMotion, "100", "0"},
    {"ClientAttackMotion", Value::Carried},
    {"DamageMotion", Value::Number, false, &MonsterEntry::DMotion, "0"},
    {"DamageTaken", Value::Carried},
    {"GroupId", Value::Carried},
    {"Title", Value::Carried},
    {"Ai", Value::Ai},
    {"Class", Value::Class},
    {"Modes", Value::Modes},
    {"MvpDrops", Value::MvpDrops},
    {"Drops", Value::Drops},
};

/// The keys of a drop, in the order rAthena's files write them.
const std::vector<std::string_view> &dropKeys()
{
    static const std::vector<std::string_view> keys = {"Item", "Rate", "StealProtected",
                                                       "RandomOptionGroup", "Index"};
    return keys;
}

bool composedLeavesOut(const EntryKey &key, std::string_view value)
{
    if (!key.composedLeavesOut)
        return value == key.fallback;
    std::string_view values = key.composedLeavesOut;
    for (std::size_t bar = 0; bar != std::string_view::npos; values.remove_prefix(bar + 1)) {
        bar = values.find('|');
        if (values.substr(0, bar) == value)
            return true;
    }
    return false;
}

std::vector<std::string_view> entryKeyNames()
{
    std::vector<std::string_view> names;
    for (const EntryKey &key : kKeys)
        names.emplace_back(key.name);
    return names;
}

const EntryKey *keyNamed(std::string_view name, bool anyCase = false)
{
    for (const EntryKey &key : kKeys)
        if (anyCase ? equalIgnoringCase(key.name, name) : name == key.name)
            return &key;
    return nullptr;
}

// ---------------------------------------------------------------------------
// Writing.

/// `text` as a YAML scalar: plain where YAML reads it back as the same text
/// (rAthena's files write every value so), otherwise in double quotes.
std::string scalar(std::string_view text)
{
    const auto plainSafe = [text] {
        if (text.empty() || text.front() == ' ' || text.back() == ' ' || text.back() == ':')
            return false;
        const char first = text.front();
        const bool spaced = text.size() == 1 || text[1] == ' ';
        if (std::string_view("?:,[]{}#&*!|>'\"%@`").find(first) != std::string_view::npos ||
            (first == '-' && spaced))
            return false;
        if (text.find(": ") != std::string_view::npos || text.find(" #") != std::string_view::npos)
            return false;
        for (const char c : text)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                return false;
        for (const char *word : {"true", "false", "null", "~", "yes", "no", "on", "off"})
            if (equalIgnoringCase(text, word))
                return false;
        return true;
    };
    if (plainSafe())
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char escape[8];
            (void)std::snprintf(escape, sizeof escape, "\\x%02X", unsigned(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string keyLine(std::string_view key, std::string_view value, std::string_view lineEnd)
{
    return std::string(key) + ": " + scalar(value) + std::string(lineEnd);
}

/// The drops of `list` written as rAthena's list, each drop in its own bytes
/// where unchanged; empty where there is none.
std::string writeDrops(const MonsterEntry &entry, const DropList &list,
                       const std::vector<std::optional<MapText>> &sources, std::string_view indent,
                       std::string_view lineEnd)
{
    std::string items;
    const std::string lead = std::string(indent) + "  - ";
    const std::string inner = std::string(indent) + "    ";
    for (std::size_t i = 0; i < std::max(list.count, sources.size()); ++i) {
        const MapText *source = i < sources.size() && sources[i] ? &*sources[i] : nullptr;
        std::vector<Rendered> keys;
        if (i < list.count) {
            const DropSlot &slot = list.slots[i];
            if (!hasDrop(entry, slot))
                continue;
            keys.push_back({"Item", keyLine("Item", entry.*slot.item, lineEnd)});
            keys.push_back({"Rate", keyLine("Rate", entry.*slot.rate, lineEnd)});
            if (!source && !list.mvp && i >= kFirstProtected)
                keys.push_back({"StealProtected", "StealProtected: true" + std::string(lineEnd)});
            // Asked for where it goes into an import file: each drop in
            // place of the one of its box, not added after them.
            if (entry.carried.dropsByIndex &&
                (!source || std::none_of(source->keys.begin(), source->keys.end(),
                                         [](const KeyText &key) { return key.key == "Index"; })))
                keys.push_back({"Index", keyLine("Index", std::to_string(i), lineEnd)});
        } else if (!source) {
            continue;
        }
        if (!items.empty() && !endsLine(items))
            items += lineEnd;
        items += writeMap(source, keys, dropKeys(), lead, inner, lineEnd);
    }
    if (items.empty())
        return {};
    return std::string(list.mvp ? "MvpDrops:" : "Drops:") + std::string(lineEnd) + items;
}

/// The drops of `list` as an override writes them: its own drops in its
/// order, each from the box it came to (left out where that box was
/// emptied); a box of the entry before that now differs, at its Index; the
/// boxes filled past them, added. Empty where there is none.
std::string writeOverrideDrops(const MonsterEntry &entry, const DropList &list,
                               const std::vector<std::optional<MapText>> &sources,
                               const YamlOverride &overrides, std::string_view indent,
                               std::string_view lineEnd)
{
    const std::size_t l = list.mvp ? 1 : 0;
    const std::string lead = std::string(indent) + "  - ";
    const std::string inner = std::string(indent) + "    ";
    std::string items;
    std::vector<bool> own(list.count);
    const auto add = [&](const MapText *source, std::size_t slot, bool indexed) {
        std::vector<Rendered> keys;
        if (slot < list.count) {
            const DropSlot &box = list.slots[slot];
            keys.push_back({"Item", keyLine("Item", entry.*box.item, lineEnd)});
            keys.push_back({"Rate", keyLine("Rate", entry.*box.rate, lineEnd)});
            if (indexed)
                keys.push_back({"Index", keyLine("Index", std::to_string(slot), lineEnd)});
        }
        if (!items.empty() && !endsLine(items))
            items += lineEnd;
        items += writeMap(source, keys, dropKeys(), lead, inner, lineEnd);
    };
    for (std::size_t d = 0; d < sources.size(); ++d) {
        const std::size_t slot =
            d < overrides.landed[l].size() ? overrides.landed[l][d] : YamlOverride::kSkipped;
        const MapText *source = sources[d] ? &*sources[d] : nullptr;
        if (slot < list.count) {
            own[slot] = true;
            if (hasDrop(entry, list.slots[slot]))
                add(source, slot, false);
        } else if (source) {
            add(source, slot, false);
        }
    }
    const MonsterEntry &base = *overrides.base;
    for (std::size_t slot = 0; slot < list.count; ++slot) {
        const DropSlot &box = list.slots[slot];
        if (own[slot] || !hasDrop(entry, box))
            continue;
        const bool before = slot < overrides.held[l];
        if (before && entry.*box.item == base.*box.item && entry.*box.rate == base.*box.rate)
            continue;
        add(nullptr, slot, before);
    }
    if (items.empty())
        return {};
    return std::string(list.mvp ? "MvpDrops:" : "Drops:") + std::string(lineEnd) + items;
}

long long modeNumber(const MonsterEntry &entry)
{
    return modeNumberOf(formatOf(Layout::RathenaYaml), entry.Mode, entry.carried.modeAbove);
}

/// Every key the writer makes of `entry`, in rAthena's order, as though it
/// overrode nothing; those it leaves out empty.
std::vector<Rendered> renderKeys(const MonsterEntry &entry, const YamlEntryText *source,
                                 std::string_view indent, std::string_view lineEnd)
{
    static const std::vector<std::optional<MapText>> none;
    const YamlOverride *overrides = source && source->overrides ? &*source->overrides : nullptr;
    const YamlMode mode = source
                              ? yamlModeKeeping(modeNumber(entry), source->ai, source->monsterClass,
                                                overrides ? overrides->modeFrom : std::nullopt)
                              : yamlModeOf(modeNumber(entry));
    std::vector<Rendered> keys;
    for (const EntryKey &key : kKeys) {
        std::string value;
        // At rAthena's default: left out of an entry that does not have the
        // key (rAthena's own files write a few keys at their defaults all
        // the same, where a monster is new).
        bool atDefault = false;
        switch (key.value) {
        case Value::Id:
        case Value::Text:
        case Value::Number:
            value = entry.*key.text;
            atDefault = source ? value == key.fallback : composedLeavesOut(key, value);
            break;
        case Value::OtherName:
            value = entry.carried.otherName;
            atDefault = !entry.carried.hasOtherName;
            break;
        case Value::Size:
            value = nameAt(kScaleEntries, entry.Scale);
            atDefault = entry.Scale == 0;
            break;
        case Value::Race:
            value = nameAt(kRaceNames, entry.Race);
            atDefault = entry.Race == 0;
            break;
        case Value::Element:
            value = nameAt(kElementEntries, entry.Element);
            atDefault = entry.Element == 0;
            break;
        case Value::ElementLevel:
            if (entry.ELvl >= 0 && entry.ELvl < kElementLevelList.size())
                value = std::to_string(entry.ELvl + 1);
            atDefault = value == "1";
            break;
        case Value::Ai:
            value = mode.ai;
            atDefault = equalIgnoringCase(value, "06");
            break;
        case Value::Class:
            value = mode.monsterClass;
            atDefault = equalIgnoringCase(value, "Normal");
            break;
        case Value::Modes: {
            std::string text;
            std::vector<std::pair<std::string, bool>> said;
            for (const std::string &name : mode.modes)
                said.emplace_back(name, true);
            for (const std::string &name : mode.cleared)
                said.emplace_back(name, false);
            std::sort(said.begin(), said.end());
            for (const auto &[name, on] : said)
                text += std::string(indent) + "  " + name + (on ? ": true" : ": false") +
                        std::string(lineEnd);
            keys.push_back(
                {key.name, text.empty() ? text : "Modes:" + std::string(lineEnd) + text});
            continue;
        }
        case Value::MvpDrops:
        case Value::Drops: {
            const bool mvp = key.value == Value::MvpDrops;
            const auto &sources = source ? (mvp ? source->mvpDrops : source->drops) : none;
            keys.push_back({key.name, overrides
                                          ? writeOverrideDrops(entry, mvp ? kMvpDrops : kDrops,
                                                               sources, *overrides, indent, lineEnd)
                                          : writeDrops(entry, mvp ? kMvpDrops : kDrops, sources,
                                                       indent, lineEnd)});
            continue;
        }
        case Value::Carried:
            continue;
        }
        const bool leftOut = atDefault && (source || !key.always);
        keys.push_back(
            {key.name, value.empty() ? std::string() : keyLine(key.name, value, lineEnd), leftOut});
    }
    return keys;
}

/// Every key the writer makes of `entry`, in rAthena's order; those it
/// leaves out empty. An override gives what differs from the entry it
/// changes, whatever rAthena's defaults are.
std::vector<Rendered> renderEntry(const MonsterEntry &entry, const YamlEntryText *source,
                                  std::string_view indent, std::string_view lineEnd)
{
    std::vector<Rendered> keys = renderKeys(entry, source, indent, lineEnd);
    if (source && source->overrides && source->overrides->base) {
        const MonsterEntry &base = *source->overrides->base;
        const std::vector<Rendered> before =
            renderKeys(base, base.carried.yaml.get(), indent, lineEnd);
        for (Rendered &key : keys) {
            const auto was = std::find_if(before.begin(), before.end(),
                                          [&key](const Rendered &r) { return r.key == key.key; });
            key.leftOut = was != before.end() && was->text == key.text;
        }
    }
    return keys;
}

// ---------------------------------------------------------------------------
// Reading.

/// The text's lines as libyaml counts them (whose lines its marks name):
/// broken at LF, CR LF, a lone CR, and U+0085, U+2028 and U+2029.
class Lines {
public:
    explicit Lines(std::string_view text) : m_text(text)
    {
        m_starts.push_back(0);
        for (std::size_t i = 0; i < text.size(); ++i) {
            std::size_t next = 0;
            if (text[i] == '\n' || (text[i] == '\r' && text.substr(i + 1, 1) != "\n"))
                next = i + 1;
            else if (text.substr(i, 2) == "\xC2\x85")
                next = i + 2;
            else if (text.substr(i, 3) == "\xE2\x80\xA8" || text.substr(i, 3) == "\xE2\x80\xA9")
                next = i + 3;
            if (next != 0 && next < text.size())
                m_starts.push_back(next);
            if (next != 0)
                i = next - 1;
        }
    }
    std::size_t count() const { return m_starts.size(); }
    /// Where line `line` (from 1) begins, or the text's end past the last.
    std::size_t start(std::size_t line) const
    {
        return line >= 1 && line <= m_starts.size() ? m_starts[line - 1] : m_text.size();
    }
    /// The byte at `column` (from 1, in characters) of `line`.
    std::size_t at(std::size_t line, std::size_t column) const
    {
        std::size_t offset = start(line);
        for (std::size_t c = 1; c < column && offset < m_text.size(); ++c) {
            ++offset;
            while (offset < m_text.size() &&
                   (static_cast<unsigned char>(m_text[offset]) & 0xC0) == 0x80)
                ++offset;
        }
        return offset;
    }

private:
    std::string_view m_text;
    std::vector<std::size_t> m_starts;
};

/// The keys of `map` cut from `text` line by line, from `begin` (where its
/// lead starts) to the end of line `last`; nothing where its keys do not
/// stand each on a line of its own, one under the other (a flow map), when
/// it is written anew.
std::optional<MapText> cutMap(std::string_view text, const Lines &lines, const YamlNode &map,
                              std::size_t begin, std::size_t last)
{
    if (map.kind != YamlNode::Kind::Mapping || map.children.empty())
        return std::nullopt;
    MapText cut;
    const std::size_t keys = map.children.size() / 2;
    for (std::size_t i = 0; i < keys; ++i) {
        const YamlNode &key = map.children[2 * i];
        const YamlNode &value = map.children[2 * i + 1];
        const std::size_t from = lines.at(key.line, key.column);
        const std::size_t nextLine = i + 1 < keys ? map.children[2 * i + 2].line : last + 1;
        const std::size_t contentEnd = std::max(key.line, value.endLine);
        if (key.kind != YamlNode::Kind::Scalar || from < begin || contentEnd >= nextLine ||
            key.line > last)
            return std::nullopt;
        const std::string_view before =
            text.substr(i == 0 ? begin : lines.start(key.line),
                        from - (i == 0 ? begin : lines.start(key.line)));
        if (i == 0)
            cut.lead = std::string(before);
        else if (i == 1)
            cut.indent = std::string(before);
        else if (before != cut.indent)
            return std::nullopt;
        const std::size_t end = lines.start(contentEnd + 1);
        const std::size_t stop = lines.start(nextLine);
        cut.keys.push_back({key.text,
                            std::string(text.substr(from, end - from)),
                            std::string(text.substr(end, stop - end)),
                            {}});
    }
    if (keys == 1) {
        cut.indent = cut.lead;
        for (char &c : cut.indent)
            c = c == '\t' ? c : ' ';
    }
    if (cut.indent.find_first_not_of(" \t") != std::string::npos)
        return std::nullopt;
    return cut;
}

LoadResult refuseEntry(std::string why)
{
    LoadResult result;
    result.status = Status::NotAnEntry;
    result.value = std::move(why);
    return result;
}

LoadResult refuseValue(Status status, std::string field, std::string_view value)
{
    LoadResult result;
    result.status = status;
    result.field = std::move(field);
    result.value = std::string(value);
    return result;
}

/// A boolean as rAthena reads one: true or false, in any case.
std::optional<bool> readBool(const YamlNode &node)
{
    if (node.kind != YamlNode::Kind::Scalar)
        return std::nullopt;
    if (equalIgnoringCase(node.text, "true"))
        return true;
    if (equalIgnoringCase(node.text, "false"))
        return false;
    return std::nullopt;
}

/// The monster as rAthena makes one before reading its keys.
MonsterEntry yamlDefaults()
{
    MonsterEntry entry;
    for (const EntryKey &key : kKeys)
        if (key.text)
            entry.*key.text = key.fallback;
    for (const DropList *list : {&kDrops, &kMvpDrops})
        for (std::size_t i = 0; i < list->count; ++i)
            entry.*list->slots[i].item = entry.*list->slots[i].rate = "0";
    // No key gives it: it keeps the editor's start-up value, as a line of
    // rAthena's text layout, which has no field for it either, does.
    entry.EXPPer = kFields[fieldIndex("ExpPer")].startup;
    entry.Scale = entry.Race = entry.Element = entry.ELvl = 0;
    entry.carried.layout = Layout::RathenaYaml;
    return entry;
}

std::string at(const YamlNode &node)
{
    return " (line " + std::to_string(node.line) + ", column " + std::to_string(node.column) + ")";
}

/// What rAthena does with the drops' Index: a drop without one is added
/// after those before it (up to `most`); one with an Index below their count
/// replaces that drop, at their count is added, past it is skipped without a
/// word, at `most` or more skipped with a warning. Said of the drops it skips,
/// as for a new monster (an override's entry may hold more drops before).
void noteIndexes(const YamlNode &drops, std::size_t most, const std::string &name,
                 std::vector<std::string> &notes)
{
    std::size_t held = 0;
    for (const YamlNode &drop : drops.children) {
        const YamlNode *index = drop.find("Index");
        const WholeNumber number = parseWholeNumber(index ? index->text : std::string());
        if (!index || !number.value || *number.value < 0) {
            held += !index && held < most ? 1 : 0;
            continue;
        }
        const auto place = std::size_t(*number.value);
        std::string note =
            "rAthena skips the drop of " + name + " with Index " + std::to_string(place);
        if (place >= most)
            notes.push_back(note + ", with a warning: an Index is below " + std::to_string(most) +
                            ".");
        else if (place > held)
            notes.push_back(
                note + ", without a word: " +
                (held == 1 ? std::string("1 drop stands") : std::to_string(held) + " drops stand") +
                " before it (an entry it overrides may hold more).");
        else if (place == held)
            ++held;
    }
}

/// A carried key rAthena rejects the monster for outside its range.
void noteRate(const std::string &name, const YamlNode &value, std::vector<std::string> &notes)
{
    const long long most = name == "DamageTaken" ? 100 : name == "GroupId" ? 10000 : 0;
    if (most == 0)
        return;
    const WholeNumber number = parseWholeNumber(value.text);
    if (value.kind != YamlNode::Kind::Scalar || !number.value || *number.value < 1 ||
        *number.value > most)
        notes.push_back("rAthena rejects this monster: its " + name + " is 1 to " +
                        std::to_string(most) + ", not " + quoteValue(value.text) + ".");
}

} // namespace

bool isYamlEntry(std::string_view text)
{
    // rAthena's entries begin with their Id; an entry of several lines that
    // begins with another key is one all the same, where a text line is one
    // line.
    const std::string_view start = trimmed(text);
    return start.substr(0, 5) == "- Id:" || start.substr(0, 3) == "Id:" ||
           (start.substr(0, 2) == "- " && start.find('\n') != std::string_view::npos);
}

namespace {

/// What an entry's keys say that is read once they are all read: its Ai,
/// Class and Modes, which make the Mode number together, and its drops.
struct KeysRead {
    const YamlNode *ai = nullptr, *monsterClass = nullptr, *modes = nullptr;
    const YamlNode *dropLists[2] = {nullptr, nullptr}; ///< drops, MVP drops
};

/// The entry's map: the document's root, or the one item of a list.
template <typename Document> auto *entryMap(Document &document)
{
    auto *map = &document.root;
    if (map->kind == YamlNode::Kind::Sequence && map->children.size() == 1)
        map = &map->children.front();
    return map->kind == YamlNode::Kind::Mapping ? map : nullptr;
}

std::optional<LoadResult> notYaml(const YamlDocument &document)
{
    if (document.read)
        return std::nullopt;
    return refuseEntry("This entry is not YAML: " + document.problem + " (line " +
                       std::to_string(document.line) + ", column " +
                       std::to_string(document.column) + ").");
}

LoadResult notAnEntry()
{
    return refuseEntry("This is not a monster entry of rAthena's YAML database (a map of "
                       "Id, AegisName, Name, ...).");
}

/// Reads the keys of `map` into `coded` as rAthena reads them, noting what
/// it ignores or reads otherwise; what rAthena refuses the monster for, where
/// it does. The drops' Index is noted where `noteIndex`.
std::optional<LoadResult> readKeys(const YamlNode &map, MonsterEntry &coded, KeysRead &read,
                                   std::vector<std::string> &notes, bool noteIndex)
{
    std::vector<const EntryKey *> seen;
    for (std::size_t i = 0; i + 1 < map.children.size(); i += 2) {
        const YamlNode &keyNode = map.children[i];
        const YamlNode &value = map.children[i + 1];
        const std::string &name = keyNode.text;
        const EntryKey *key = keyNode.kind == YamlNode::Kind::Scalar ? keyNamed(name) : nullptr;
        if (!key) {
            const EntryKey *near = keyNamed(name, true);
            notes.push_back(near ? "rAthena ignores the key " + quoteValue(name) +
                                       ": key names are case-sensitive, and this one is " +
                                       quoteValue(near->name) + "."
                                 : "rAthena ignores the key " + quoteValue(name) +
                                       ", which it does not know.");
            continue;
        }
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) {
            notes.push_back("The key " + quoteValue(name) +
                            " stands twice; rAthena reads the first.");
            continue;
        }
        seen.push_back(key);
        const bool isScalar = value.kind == YamlNode::Kind::Scalar;
        switch (key->value) {
        case Value::Id:
        case Value::Number:
        case Value::ElementLevel: {
            const std::string field = key->text ? fieldName(key->text) : key->name;
            if (!isScalar)
                return refuseValue(Status::NotANumber, field, "(a list or map)");
            const WholeNumber number = parseWholeNumber(value.text);
            if (!number.value)
                return refuseValue(number.hasFraction ? Status::NotWholeNumber : Status::NotANumber,
                                   field, value.text);
            if (key->text) {
                coded.*key->text = value.text;
            } else if (*number.value >= 1 && *number.value <= 4) {
                coded.ELvl = ListPosition(*number.value - 1);
            } else {
                notes.push_back("rAthena reads ElementLevel " + quoteValue(value.text) +
                                " as 1: an element's level is 1 to 4.");
            }
            break;
        }
        case Value::Text:
        case Value::OtherName:
            if (!isScalar)
                return refuseEntry("Its " + name + " is not a text" + at(value) + ".");
            if (key->text)
                coded.*key->text = value.text;
            else
                coded.carried.otherName = value.text, coded.carried.hasOtherName = true;
            break;
        case Value::Size:
        case Value::Race:
        case Value::Element: {
            std::optional<int> position;
            if (isScalar)
                position = key->value == Value::Size   ? positionNamed(kScaleEntries, value.text)
                           : key->value == Value::Race ? positionNamed(kRaceNames, value.text)
                                                       : positionNamed(kElementEntries, value.text);
            const char *fallback = key->value == Value::Size   ? "Small"
                                   : key->value == Value::Race ? "Formless"
                                                               : "Neutral";
            if (!position) {
                std::string note = "rAthena reads " + name;
                note += " " + quoteValue(value.text) + " as " + fallback;
                note += ": it knows no such " + name + ".";
                notes.push_back(std::move(note));
            }
            const auto at = ListPosition(position.value_or(0));
            (key->value == Value::Size   ? coded.Scale
             : key->value == Value::Race ? coded.Race
                                         : coded.Element) = at;
            break;
        }
        case Value::Ai:
            read.ai = &value;
            break;
        case Value::Class:
            read.monsterClass = &value;
            break;
        case Value::Modes:
            read.modes = &value;
            break;
        case Value::MvpDrops:
        case Value::Drops: {
            const bool mvp = key->value == Value::MvpDrops;
            read.dropLists[mvp ? 1 : 0] = &value;
            const DropList &list = mvp ? kMvpDrops : kDrops;
            if (value.kind != YamlNode::Kind::Sequence)
                return refuseEntry("Its " + name + " is not a list of drops" + at(value) + ".");
            for (std::size_t d = 0; d < value.children.size(); ++d) {
                const YamlNode &drop = value.children[d];
                const YamlNode *item = drop.find("Item");
                const YamlNode *rate = drop.find("Rate");
                if (!item || !rate || item->kind != YamlNode::Kind::Scalar ||
                    rate->kind != YamlNode::Kind::Scalar)
                    return refuseEntry("A drop of its " + name +
                                       " has no Item and Rate, which rAthena needs" + at(drop) +
                                       ".");
                if (d >= list.count) {
                    if (d == list.count && noteIndex)
                        notes.push_back("rAthena reads " + std::to_string(list.count) + " " + name +
                                        " at most; the rest are carried, not read.");
                    continue;
                }
                coded.*list.slots[d].item = item->text;
                coded.*list.slots[d].rate = rate->text;
            }
            if (noteIndex)
                noteIndexes(value, list.count, name, notes);
            break;
        }
        case Value::Carried:
            noteRate(name, value, notes);
            break;
        }
    }
    if (!map.find("Id"))
        return refuseEntry("This entry has no Id, which rAthena needs for every monster.");
    return std::nullopt;
}

/// The Mode number as rAthena makes it: the Ai's bits (`from` where there is
/// no Ai), the Modes set and cleared in the order given, then what the Class
/// adds; into the boxes of `coded`. `beforeClass` is the number before the
/// Class adds to it.
std::optional<LoadResult> readMode(const KeysRead &read, long long from, MonsterEntry &coded,
                                   std::vector<std::string> &notes, long long &beforeClass)
{
    long long mode = from;
    if (const YamlNode *ai = read.ai) {
        const std::optional<long long> bits =
            ai->kind == YamlNode::Kind::Scalar ? aiBits(ai->text) : std::nullopt;
        if (!bits)
            notes.push_back("rAthena reads Ai " + quoteValue(ai->text) +
                            " as 06: it knows no such Ai.");
        mode = bits.value_or(0);
    }
    const YamlNode *modes = read.modes;
    if (modes && modes->kind != YamlNode::Kind::Mapping)
        return refuseEntry("Its Modes is not a map of modes to true or false" + at(*modes) + ".");
    for (std::size_t i = 0; modes && i + 1 < modes->children.size(); i += 2) {
        const YamlNode &name = modes->children[i];
        const std::optional<bool> on = readBool(modes->children[i + 1]);
        if (!on)
            return refuseEntry("Its mode " + quoteValue(name.text) +
                               " is neither true nor false, which rAthena refuses" +
                               at(modes->children[i + 1]) + ".");
        const std::optional<long long> bit = modeBitNamed(name.text);
        if (!bit) {
            notes.push_back("rAthena ignores the mode " + quoteValue(name.text) +
                            ", which it does not know.");
            continue;
        }
        mode = *on ? mode | *bit : mode & ~*bit;
    }
    beforeClass = mode;
    if (const YamlNode *monsterClass = read.monsterClass) {
        const std::optional<long long> bits = monsterClass->kind == YamlNode::Kind::Scalar
                                                  ? classBits(monsterClass->text)
                                                  : std::nullopt;
        if (!bits)
            notes.push_back("rAthena reads Class " + quoteValue(monsterClass->text) +
                            " as Normal: it knows no such Class.");
        mode |= bits.value_or(0);
    }
    long long rest = 0;
    coded.Mode = modeBoxesOf(formatOf(Layout::RathenaYaml), mode, rest);
    coded.carried.modeAbove = int(rest);
    return std::nullopt;
}

/// The entry `map` of `text` as written, so that what is left as it was is
/// written back in its own bytes; `coded` is the monster loaded, where each
/// drop of list `l` came to slot `landed(l, d)` (or to none).
template <typename Landed>
std::shared_ptr<YamlEntryText> cutEntry(std::string_view text, const YamlNode &map,
                                        const KeysRead &read, const MonsterEntry &coded,
                                        Landed landed, std::optional<YamlOverride> overrides)
{
    const Lines lines(text);
    std::optional<MapText> cut = cutMap(text, lines, map, 0, lines.count());
    if (!cut)
        return nullptr;
    auto source = std::make_shared<YamlEntryText>();
    source->lineEnd = text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
    source->entry = std::move(*cut);
    source->overrides = std::move(overrides);
    if (read.ai && read.ai->kind == YamlNode::Kind::Scalar)
        source->ai = read.ai->text;
    if (read.monsterClass && read.monsterClass->kind == YamlNode::Kind::Scalar)
        source->monsterClass = read.monsterClass->text;
    for (std::size_t l = 0; l < 2; ++l) {
        const YamlNode *list = read.dropLists[l];
        auto &sources = l ? source->mvpDrops : source->drops;
        for (std::size_t d = 0; list && d < list->children.size(); ++d) {
            const YamlNode &drop = list->children[d];
            const std::size_t last =
                d + 1 < list->children.size() ? list->children[d + 1].line - 1 : list->endLine;
            std::optional<MapText> dropCut =
                cutMap(text, lines, drop, lines.start(drop.line), last);
            const DropList &slots = l ? kMvpDrops : kDrops;
            const std::size_t slot = landed(l, d);
            if (dropCut && slot < slots.count)
                for (KeyText &key : dropCut->keys)
                    if (key.key == "Item" || key.key == "Rate")
                        key.loaded = keyLine(key.key,
                                             coded.*(key.key == "Item" ? slots.slots[slot].item
                                                                       : slots.slots[slot].rate),
                                             source->lineEnd);
            sources.push_back(std::move(dropCut));
        }
    }
    const std::vector<Rendered> made =
        renderEntry(coded, source.get(), source->entry.indent, source->lineEnd);
    for (KeyText &key : source->entry.keys)
        for (const Rendered &r : made)
            if (r.key == key.key)
                key.loaded = r.text;
    return source;
}

/// A mapping node with `key` and `value` added.
void addKey(YamlNode &map, YamlNode key, YamlNode value)
{
    map.children.push_back(std::move(key));
    map.children.push_back(std::move(value));
}

/// The monster rAthena makes of `base` with `over` read over it: the keys
/// over gives in place of base's; its Modes and RaceGroups set and cleared
/// after base's (its Modes from its own Ai's bits, where it gives an Ai); its
/// drops added after base's or put at their Index, up to each list's most.
/// Where each of over's drops came to is kept in `overrides`. Both maps are
/// taken apart into it (a node is moved, never copied).
YamlNode resolved(YamlNode base, YamlNode over, YamlOverride &overrides,
                  std::vector<std::string> &notes)
{
    const auto isDrops = [](std::string_view key) { return key == "Drops" || key == "MvpDrops"; };
    const auto keyAt = [](const YamlNode &map, std::string_view key) {
        for (std::size_t i = 0; i + 1 < map.children.size(); i += 2)
            if (map.children[i].text == key)
                return i;
        return map.children.size();
    };
    const bool ownAi = over.find("Ai") != nullptr;
    std::vector<std::string> baseKeys;
    for (std::size_t i = 0; i + 1 < base.children.size(); i += 2)
        baseKeys.push_back(base.children[i].text);
    std::vector<bool> taken(over.children.size());
    YamlNode merged;
    merged.kind = YamlNode::Kind::Mapping;
    for (std::size_t i = 0; i + 1 < base.children.size(); i += 2) {
        const std::string &key = baseKeys[i / 2];
        const std::size_t at = keyAt(over, key);
        YamlNode *given = at < over.children.size() ? &over.children[at + 1] : nullptr;
        // An Ai of its own sets the Mode anew: the Modes before are gone.
        if (isDrops(key) || (key == "Modes" && ownAi && !given))
            continue;
        YamlNode &before = base.children[i + 1];
        YamlNode value;
        if (given && given->kind == YamlNode::Kind::Mapping &&
            before.kind == YamlNode::Kind::Mapping &&
            ((key == "Modes" && !ownAi) || key == "RaceGroups")) {
            value = std::move(before);
            value.children.insert(value.children.end(),
                                  std::make_move_iterator(given->children.begin()),
                                  std::make_move_iterator(given->children.end()));
        } else {
            value = std::move(given ? *given : before);
        }
        if (given)
            taken[at] = true;
        addKey(merged, std::move(base.children[i]), std::move(value));
    }
    for (std::size_t i = 0; i + 1 < over.children.size(); i += 2) {
        const std::string &key = over.children[i].text;
        if (!taken[i] && !isDrops(key) &&
            std::find(baseKeys.begin(), baseKeys.end(), key) == baseKeys.end())
            addKey(merged, std::move(over.children[i]), std::move(over.children[i + 1]));
    }

    for (std::size_t l = 0; l < 2; ++l) {
        const std::string name = l ? "MvpDrops" : "Drops";
        const std::size_t most = (l ? kMvpDrops : kDrops).count;
        YamlNode list;
        list.kind = YamlNode::Kind::Sequence;
        if (const std::size_t at = keyAt(base, name);
            at < base.children.size() && base.children[at + 1].kind == YamlNode::Kind::Sequence)
            for (YamlNode &drop : base.children[at + 1].children)
                if (list.children.size() < most)
                    list.children.push_back(std::move(drop));
        const std::size_t at = keyAt(over, name);
        std::vector<YamlNode> none;
        std::vector<YamlNode> &given =
            at < over.children.size() ? over.children[at + 1].children : none;
        std::size_t skipped = 0;
        for (YamlNode &drop : given) {
            const YamlNode *index = drop.find("Index");
            const WholeNumber number = parseWholeNumber(index ? index->text : std::string());
            std::size_t slot = list.children.size();
            if (index)
                slot = number.value && *number.value >= 0 ? std::size_t(*number.value)
                                                          : YamlOverride::kSkipped;
            if (slot >= most || slot > list.children.size()) {
                if (!index)
                    ++skipped;
                else if (slot != YamlOverride::kSkipped)
                    notes.push_back(
                        "rAthena skips the drop of " + name + " with Index " +
                        std::to_string(slot) +
                        (slot >= most
                             ? ", with a warning: an Index is below " + std::to_string(most) + "."
                             : ", without a word: " + std::to_string(list.children.size()) +
                                   " drops stand before it."));
                overrides.landed[l].push_back(YamlOverride::kSkipped);
                continue;
            }
            if (slot == list.children.size())
                list.children.push_back(std::move(drop));
            else
                list.children[slot] = std::move(drop);
            overrides.landed[l].push_back(slot);
        }
        if (skipped > 0)
            notes.push_back("rAthena skips " + std::to_string(skipped) + " of this entry's " +
                            name + " (\"Maximum of " + std::to_string(most) +
                            " monster Drops met\"): it adds them to those of the entry it "
                            "overrides, which then holds " +
                            std::to_string(most) + ".");
        overrides.held[l] = list.children.size();
        if (!list.children.empty()) {
            YamlNode key;
            key.text = name;
            addKey(merged, std::move(key), std::move(list));
        }
    }
    return merged;
}

} // namespace

LoadResult loadYamlEntry(std::string_view text, MonsterEntry &entry)
{
    const YamlDocument document = readYaml(text, 16);
    if (std::optional<LoadResult> refused = notYaml(document))
        return *refused;
    const YamlNode *map = entryMap(document);
    if (!map)
        return notAnEntry();
    MonsterEntry coded = yamlDefaults();
    std::vector<std::string> notes;
    KeysRead read;
    long long beforeClass = 0;
    if (std::optional<LoadResult> refused = readKeys(*map, coded, read, notes, true))
        return *refused;
    if (std::optional<LoadResult> refused = readMode(read, 0, coded, notes, beforeClass))
        return *refused;
    coded.carried.yaml = cutEntry(
        text, *map, read, coded, [](std::size_t, std::size_t d) { return d; }, std::nullopt);
    entry = std::move(coded);
    LoadResult result;
    result.notes = std::move(notes);
    return result;
}

LoadResult loadYamlOverride(std::string_view text, std::string_view base, std::string_view where,
                            MonsterEntry &entry)
{
    const YamlDocument document = readYaml(text, 16);
    const YamlDocument baseDocument = readYaml(base, 16);
    const YamlNode *map = document.read ? entryMap(document) : nullptr;
    const YamlNode *baseMap = baseDocument.read ? entryMap(baseDocument) : nullptr;
    // The entry's own faults are its own, said as they are for any entry.
    MonsterEntry alone = yamlDefaults();
    KeysRead own;
    std::vector<std::string> notes;
    long long beforeClass = 0;
    if (!map || readKeys(*map, alone, own, notes, false) ||
        readMode(own, 0, alone, notes, beforeClass))
        return loadYamlEntry(text, entry);

    MonsterEntry first = yamlDefaults();
    KeysRead baseRead;
    std::vector<std::string> baseNotes;
    long long baseMode = 0;
    if (!baseMap || readKeys(*baseMap, first, baseRead, baseNotes, true) ||
        readMode(baseRead, 0, first, baseNotes, baseMode)) {
        LoadResult result = loadYamlEntry(text, entry);
        if (result.loaded())
            result.notes.push_back("The entry of its Id read before it (" + std::string(where) +
                                   ") does not load, so this one is shown as a monster of its "
                                   "own.");
        return result;
    }
    // Read again, to be taken apart into the monster the two make.
    YamlDocument apart = readYaml(text, 16), baseApart = readYaml(base, 16);
    YamlOverride overrides;
    const YamlNode merged =
        resolved(std::move(*entryMap(baseApart)), std::move(*entryMap(apart)), overrides, notes);
    MonsterEntry coded = yamlDefaults();
    KeysRead read;
    std::vector<std::string> mergedNotes; // the base's are its own file's
    if (std::optional<LoadResult> refused = readKeys(merged, coded, read, mergedNotes, false))
        return *refused;
    if (std::optional<LoadResult> refused = readMode(read, 0, coded, mergedNotes, beforeClass))
        return *refused;
    // Without an Ai of its own, its Modes change the Mode of the entry before.
    if (!own.ai)
        overrides.modeFrom = baseMode;
    // rAthena gives a new monster its Name as its JapaneseName, once: a Name
    // the override changes leaves it as it was.
    if (!first.carried.hasOtherName)
        first.carried.otherName = first.JName, first.carried.hasOtherName = true;
    if (!map->find("JapaneseName"))
        coded.carried.otherName = first.carried.otherName, coded.carried.hasOtherName = true;
    first.carried.yaml = cutEntry(
        base, *baseMap, baseRead, first, [](std::size_t, std::size_t d) { return d; },
        std::nullopt);
    overrides.base = std::make_shared<const MonsterEntry>(first);
    overrides.where = std::string(where);
    // The override's own text, with its drops where rAthena put them, and
    // its Ai and Class where it gives them (those before, where it does not).
    KeysRead written = own;
    written.ai = read.ai;
    written.monsterClass = read.monsterClass;
    const std::array<std::vector<std::size_t>, 2> landed = overrides.landed;
    coded.carried.yaml = cutEntry(
        text, *map, written, coded,
        [&landed](std::size_t l, std::size_t d) {
            return d < landed[l].size() ? landed[l][d] : YamlOverride::kSkipped;
        },
        std::move(overrides));
    notes.insert(notes.begin(),
                 "This entry changes the monster of its Id read before it (" + std::string(where) +
                     "): shown as rAthena makes it, that entry with this one's keys over it and "
                     "its drops added after that entry's, or put at their Index. Generate writes "
                     "this entry's keys, and the others where they differ from that entry's.");
    entry = std::move(coded);
    LoadResult result;
    result.notes = std::move(notes);
    return result;
}

std::string yamlEntryId(std::string_view text)
{
    std::string_view head = trimmed(text);
    if (head.substr(0, 2) == "- ")
        head.remove_prefix(2);
    if (head.substr(0, 3) != "Id:")
        return {};
    head = trimmed(head.substr(3, head.find_first_of("\r\n#") - 3));
    return head.empty() || head.find_first_not_of("0123456789") != std::string_view::npos
               ? std::string()
               : std::string(head);
}

std::string writeYamlEntry(const MonsterEntry &entry)
{
    const YamlEntryText *source = entry.carried.yaml.get();
    const std::string_view lineEnd = source ? std::string_view(source->lineEnd) : "\n";
    const std::string_view indent = source ? std::string_view(source->entry.indent) : "    ";
    std::string out =
        writeMap(source ? &source->entry : nullptr, renderEntry(entry, source, indent, lineEnd),
                 entryKeyNames(), "  - ", indent, lineEnd);
    out.resize(withoutTrailingBlankLines(out).size());
    return out;
}

std::vector<std::string> carriedKeysOf(const YamlEntryText &source)
{
    std::vector<std::string> keys;
    for (const KeyText &key : source.entry.keys)
        if (const EntryKey *known = keyNamed(key.key); known && known->value == Value::Carried)
            keys.push_back(key.key);
    return keys;
}

std::string alsoInThisEntry(const MonsterEntry &entry)
{
    std::string carried;
    const auto add = [&carried](const std::string &what) {
        carried += (carried.empty() ? "" : "; ") + what;
    };
    if (entry.carried.hasOtherName)
        add("JapaneseName " + quoteValue(entry.carried.otherName));
    std::string modes;
    for (const std::string &name : modeNamesOf(entry.carried.modeAbove))
        modes += (modes.empty() ? "" : ", ") + name;
    if (!modes.empty())
        add("modes no box shows: " + modes);
    if (const YamlEntryText *source = entry.carried.yaml.get()) {
        for (const std::string &key : carriedKeysOf(*source))
            add(key);
        std::vector<std::string_view> dropKeys;
        for (const auto *list : {&source->drops, &source->mvpDrops})
            for (const std::optional<MapText> &drop : *list)
                for (const KeyText &key : drop ? drop->keys : std::vector<KeyText>())
                    if (key.key != "Item" && key.key != "Rate" &&
                        std::find(dropKeys.begin(), dropKeys.end(), key.key) == dropKeys.end())
                        dropKeys.emplace_back(key.key);
        for (const std::string_view key : dropKeys)
            add("a drop's " + std::string(key));
    }
    return carried.empty() ? carried : "Also in this entry: " + carried + ".";
}

} // namespace grimlark
