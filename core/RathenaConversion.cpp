// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// A monster between rAthena's YAML and the text layouts: what it means in
// each, its drops through the item databases, and what cannot cross.
#include "RathenaYamlEntry.h"

#include "CodeTables.h"
#include "DropSlots.h"
#include "HerculesEntry.h"
#include "ItemDatabase.h"
#include "Numbers.h"
#include "RathenaModes.h"
#include "TextEntry.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdio>

namespace grimlark {

namespace {

long long modeNumber(const MonsterEntry &entry)
{
    return modeNumberOf(formatOf(Layout::RathenaYaml), entry.Mode, entry.carried.modeAbove);
}

} // namespace

void asYamlHoldsIt(MonsterEntry &entry)
{
    if (entry.carried.layout == Layout::RathenaYaml)
        for (std::string *least : {&entry.HP, &entry.SP})
            if (*least == "0")
                *least = "1";
    for (const DropList *list : {&kDrops, &kMvpDrops}) {
        std::size_t next = 0;
        for (std::size_t i = 0; i < list->count; ++i) {
            if (!hasDrop(entry, list->slots[i]))
                continue;
            if (i != next) {
                entry.*list->slots[next].item = std::move(entry.*list->slots[i].item);
                entry.*list->slots[next].rate = std::move(entry.*list->slots[i].rate);
            }
            ++next;
        }
        for (; next < list->count; ++next)
            entry.*list->slots[next].item = entry.*list->slots[next].rate = "0";
    }
}

void moveIntoLayout(MonsterEntry &entry, Layout target)
{
    const Layout from = entry.carried.layout;
    const bool threeNames = otherNameField(formatOf(from)) >= 0 && !byKeys(from);
    const bool toThree = otherNameField(formatOf(target)) >= 0 && !byKeys(target);
    MonsterEntry::Carried &carried = entry.carried;
    if ((threeNames && byKeys(target)) || (byKeys(from) && toThree)) {
        // kRO and iRO trade places: YAML's Name is the iRO one.
        std::string other = otherNameOf(entry);
        carried.otherName = entry.JName;
        carried.hasOtherName = other != entry.JName;
        entry.JName = std::move(other);
    }
    const int *classic = formatOf(Layout::Classic).modeBits;
    const int *to = formatOf(target).modeBits;
    if (formatOf(from).modeBits == classic && to != classic && to[Boss] != classic[Boss]) {
        constexpr ListPosition kInsect = 4, kDemon = 6;
        if (entry.Race == kInsect || entry.Race == kDemon)
            entry.Mode[Detector] = true;
        const WholeNumber mvpExp = parseWholeNumber(entry.MEXP);
        if (mvpExp.value && *mvpExp.value > 0)
            carried.modeAbove |= int(*modeBitNamed("Mvp"));
    }
    carried.layout = target;
}

void translateDrops(MonsterEntry &entry, Layout target, const ItemDatabase *first,
                    const ItemDatabase *then)
{
    const bool toNames = byKeys(target);
    for (const DropList *list : {&kDrops, &kMvpDrops})
        for (std::size_t i = 0; i < list->count; ++i) {
            std::string &text = entry.*list->slots[i].item;
            if (!hasDrop(entry, list->slots[i]))
                continue;
            const WholeNumber id = parseWholeNumber(text);
            const Item *item = nullptr;
            for (const ItemDatabase *items : {first, then})
                if (!item && items)
                    item = id.value ? items->byId(*id.value) : items->named(text);
            if (!item || (toNames ? !id.value : id.value.has_value()))
                continue;
            text = toNames ? item->aegisName : std::to_string(item->id);
        }
}

std::string overrideWarning(const MonsterEntry &entry)
{
    const YamlEntryText *source = entry.carried.yaml.get();
    if (source && source->overrides && source->overrides->base) {
        // Loaded as rAthena resolves it: its drops stand where they land.
        // What it cannot say is a drop of the entry before taken out.
        const MonsterEntry &base = *source->overrides->base;
        std::string kept;
        for (const DropList *list : {&kDrops, &kMvpDrops})
            for (std::size_t i = 0; i < list->count; ++i)
                if (hasDrop(base, list->slots[i]) && !hasDrop(entry, list->slots[i]))
                    kept += (kept.empty() ? "" : ", ") +
                            std::string(fieldName(list->slots[i].item)) + " " +
                            quoteValue(base.*list->slots[i].item);
        if (kept.empty())
            return {};
        return "Drops: an override cannot take a drop out of the monster it changes, so rAthena "
               "keeps " +
               kept + " of the entry before it.";
    }
    if (entry.carried.dropsByIndex)
        return {};
    std::size_t added = 0;
    for (const DropList *list : {&kDrops, &kMvpDrops})
        for (std::size_t i = 0; i < list->count; ++i) {
            if (!hasDrop(entry, list->slots[i]))
                continue;
            const auto &sources = list->mvp ? (source ? &source->mvpDrops : nullptr)
                                            : (source ? &source->drops : nullptr);
            const MapText *drop =
                sources && i < sources->size() && (*sources)[i] ? &*(*sources)[i] : nullptr;
            const bool indexed =
                drop && std::any_of(drop->keys.begin(), drop->keys.end(),
                                    [](const KeyText &key) { return key.key == "Index"; });
            added += indexed ? 0 : 1;
        }
    if (added == 0)
        return {};
    return "Drops: in an import file rAthena reads this entry as an override of that one, and "
           "adds its " +
           std::to_string(added) +
           (added == 1 ? " drop without an Index" : " drops without an Index") +
           " to that entry's (past 10 it skips them) rather than putting them in their place: "
           "Generate > Drops By Index gives each drop the Index of its box.";
}

std::vector<std::string> itemWarnings(const MonsterEntry &entry, const ItemDatabase &items)
{
    std::vector<std::string> warnings;
    const Layout layout = entry.carried.layout;
    for (const DropList *list : {&kDrops, &kMvpDrops})
        for (std::size_t i = 0; i < list->count; ++i) {
            const std::string &item = entry.*list->slots[i].item;
            if (!hasDrop(entry, list->slots[i]) || items.named(item))
                continue;
            std::string warning = std::string(fieldName(list->slots[i].item)) + ": ";
            warning += "the item database has no item " + quoteValue(item);
            warning += layout == Layout::RathenaYaml ? ": rAthena skips this drop."
                       : layout == Layout::Hercules  ? ": Hercules skips this drop."
                                                     : ".";
            warnings.push_back(std::move(warning));
        }
    return warnings;
}

std::string itemTip(std::string_view text, const ItemDatabase &items)
{
    const Item *item = items.named(text);
    if (!item)
        return {};
    std::string tip = std::to_string(item->id) + ": " + item->aegisName;
    return tip + " (" + item->name + ")";
}

std::vector<std::string> yamlLosses(const MonsterEntry &entry, Layout target)
{
    std::vector<std::string> lost;
    if (byKeys(target)) {
        const std::string server = target == Layout::Hercules ? "Hercules" : "rAthena";
        for (const DropList *list : {&kDrops, &kMvpDrops})
            for (std::size_t i = 0; i < list->count; ++i)
                if (const std::string &item = entry.*list->slots[i].item;
                    hasDrop(entry, list->slots[i]) && parseWholeNumber(item).value) {
                    std::string said = "The " + std::string(fieldName(list->slots[i].item)) + " ";
                    said += quoteValue(item) + " is an item's ID, where " + server;
                    said += "'s database names the item: without an item database that has it "
                            "(--items), it stays a number, and ";
                    lost.push_back(said + server + " skips the drop.");
                }
    }
    if (target == Layout::RathenaYaml) {
        if (const long long unnamed = modeNumber(entry) & ~bitsYamlNames(); unnamed != 0) {
            char flags[120];
            (void)std::snprintf(flags, sizeof flags,
                                "Mode flags 0x%llX have no name in rAthena's YAML, and are left "
                                "out.",
                                unnamed);
            lost.emplace_back(flags);
        }
        return lost;
    }
    if (const YamlEntryText *source = entry.carried.yaml.get();
        source && entry.carried.layout == Layout::RathenaYaml) {
        std::string keys;
        for (const std::string &key : carriedKeysOf(*source))
            keys += (keys.empty() ? "" : ", ") + key;
        if (!keys.empty())
            lost.push_back("The YAML keys " + keys + " have no place in the " +
                           std::string(shortName(target)) + " layout.");
    }
    if (entry.carried.layout == Layout::Hercules && target != Layout::Hercules &&
        entry.carried.config)
        if (const std::string keys = settingsNoBoxHolds(*entry.carried.config); !keys.empty())
            lost.push_back("The settings " + keys + " have no place in the " +
                           std::string(shortName(target)) + " layout.");
    if (byKeys(target))
        return lost;
    for (const DropList *list : {&kDrops, &kMvpDrops})
        for (std::size_t i = 0; i < list->count; ++i)
            if (const std::string &item = entry.*list->slots[i].item;
                hasDrop(entry, list->slots[i]) && !parseWholeNumber(item).value)
                lost.push_back("The " + std::string(fieldName(list->slots[i].item)) + " " +
                               quoteValue(item) +
                               " names an item: without an item database that has it, it "
                               "cannot be written as the item's ID.");
    return lost;
}

} // namespace grimlark
