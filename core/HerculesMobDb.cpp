// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "HerculesMobDb.h"

#include <algorithm>

namespace grimlark {

namespace {

/// The line (from 1) of the byte at `at`.
std::size_t lineOf(std::string_view bytes, std::size_t at)
{
    return std::size_t(std::count(bytes.begin(), bytes.begin() + std::ptrdiff_t(at), '\n')) + 1;
}

std::string scalarOf(const ConfigNode &group, std::string_view name)
{
    const ConfigNode *node = group.find(name);
    return node && node->kind != ConfigNode::Kind::Group && node->kind != ConfigNode::Kind::List &&
                   node->kind != ConfigNode::Kind::Array
               ? node->text
               : std::string();
}

} // namespace

std::string HerculesMobDb::message() const
{
    switch (fault) {
    case Fault::None:
        return {};
    case Fault::NotLibconfig:
        return "it is not libconfig as Hercules reads it: " + document.message();
    case Fault::NoList:
        return "it has no setting \"mob_db\" holding a list of monsters";
    case Fault::NotAGroup:
        return "an item of its list \"mob_db\" is not a group of settings";
    }
    return {};
}

std::vector<std::pair<std::size_t, std::size_t>> HerculesMobDb::lineSpans() const
{
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    spans.reserve(monsters.size());
    for (const ConfigMonster &monster : monsters) {
        if (!spans.empty() && monster.firstLine - 1 <= spans.back().second)
            spans.back().second = std::max(spans.back().second, monster.lastLine - 1);
        else
            spans.emplace_back(monster.firstLine - 1, monster.lastLine - 1);
    }
    return spans;
}

HerculesMobDb readHerculesMobDb(std::string_view bytes)
{
    HerculesMobDb db;
    db.document = readConfig(bytes);
    if (!db.document.read()) {
        db.fault = HerculesMobDb::Fault::NotLibconfig;
        return db;
    }
    const ConfigNode *list = db.document.root.find("mob_db");
    if (!list || list->kind != ConfigNode::Kind::List) {
        db.fault = HerculesMobDb::Fault::NoList;
        return db;
    }
    // The lines counted once, as the groups come in order.
    std::size_t line = 1, counted = 0;
    const auto lineAt = [&](std::size_t at) {
        line += lineOf(bytes.substr(counted, at - counted), at - counted) - 1;
        counted = at;
        return line;
    };
    for (const ConfigNode &group : list->children) {
        if (group.kind != ConfigNode::Kind::Group) {
            db.fault = HerculesMobDb::Fault::NotAGroup;
            db.monsters.clear();
            return db;
        }
        ConfigMonster monster;
        monster.firstLine = lineAt(group.begin);
        monster.lastLine = lineAt(group.end - 1);
        monster.id = scalarOf(group, "Id");
        monster.spriteName = scalarOf(group, "SpriteName");
        monster.name = scalarOf(group, "Name");
        db.monsters.push_back(std::move(monster));
    }
    return db;
}

} // namespace grimlark
