// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "RathenaMobDb.h"

#include "LineReader.h"
#include "Numbers.h"

#include <algorithm>

namespace grimlark {

namespace {

/// The scalar `key` of `map`, or "".
std::string scalarOf(const YamlNode &map, std::string_view key)
{
    const YamlNode *value = map.find(key);
    return value && value->kind == YamlNode::Kind::Scalar ? value->text : std::string();
}

} // namespace

std::string RathenaMobDb::message() const
{
    const auto at = [](std::size_t line, std::size_t column) {
        return " (line " + std::to_string(line) + ", column " + std::to_string(column) + ")";
    };
    const YamlNode &root = document.root;
    switch (fault) {
    case Fault::None:
        return {};
    case Fault::NotYaml:
        return "it is not YAML: " + document.problem + at(document.line, document.column);
    case Fault::NotAMap:
        return "it is YAML, but not a map of Header and Body" + at(root.line, root.column);
    case Fault::NoHeader:
        return "it has no Header with a Type and a Version" + at(root.line, root.column);
    case Fault::OtherType:
        return "its Header names a database of type \"" + type + "\", not MOB_DB";
    case Fault::LaterVersion:
        return "its Header says version " + std::to_string(version) +
               ", which rAthena does not read (" + std::to_string(kRathenaMobDbVersion) +
               " at most)";
    case Fault::NoBody:
        return "its Body is not a list of monsters";
    }
    return {};
}

std::vector<std::pair<std::size_t, std::size_t>> RathenaMobDb::lineSpans() const
{
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    spans.reserve(monsters.size());
    for (const YamlMonster &monster : monsters)
        spans.emplace_back(monster.firstLine - 1, monster.lastLine - 1);
    return spans;
}

RathenaMobDb readRathenaMobDb(std::string_view bytes)
{
    RathenaMobDb db;
    db.document = readYaml(bytes);
    if (!db.document.read) {
        db.fault = RathenaMobDb::Fault::NotYaml;
        return db;
    }
    const YamlNode &root = db.document.root;
    if (root.kind != YamlNode::Kind::Mapping) {
        db.fault = RathenaMobDb::Fault::NotAMap;
        return db;
    }
    const YamlNode *header = root.find("Header");
    const std::string versionText = header ? scalarOf(*header, "Version") : std::string();
    const WholeNumber version = parseWholeNumber(versionText);
    if (!header || header->kind != YamlNode::Kind::Mapping || !header->find("Type") ||
        !version.value) {
        db.fault = RathenaMobDb::Fault::NoHeader;
        return db;
    }
    db.type = scalarOf(*header, "Type");
    db.version = *version.value;
    db.clear = scalarOf(*header, "Clear") == "true";
    if (db.type != "MOB_DB") {
        db.fault = RathenaMobDb::Fault::OtherType;
        return db;
    }
    if (db.version > kRathenaMobDbVersion) {
        db.fault = RathenaMobDb::Fault::LaterVersion;
        return db;
    }
    const YamlNode *body = root.find("Body");
    if (!body) // a template, or an import file with no monster of its own yet
        return db;
    const bool empty = body->kind == YamlNode::Kind::Scalar && body->text.empty() && body->plain;
    if (body->kind != YamlNode::Kind::Sequence && !empty) {
        db.fault = RathenaMobDb::Fault::NoBody;
        return db;
    }
    // The Body ends where the next key of the file begins, or with the file.
    // (libyaml also breaks lines at U+0085, U+2028 and U+2029, which a
    // file's lines do not: its count is the least end.)
    std::size_t end = countLines(bytes);
    if (!body->children.empty())
        end = std::max(end, body->children.back().line);
    for (std::size_t i = 0; i + 1 < root.children.size(); i += 2)
        if (root.children[i].line > body->line && &root.children[i + 1] != body)
            end = std::min(end, root.children[i].line - 1);
    for (std::size_t i = 0; i < body->children.size(); ++i) {
        const YamlNode &item = body->children[i];
        const std::size_t next =
            i + 1 < body->children.size() ? body->children[i + 1].line - 1 : end;
        // To its last value: the comments after it (a monster commented out)
        // are the file's, not the monster's.
        const std::size_t last =
            std::min(std::max(item.line, next), std::max(item.line, item.endLine));
        db.monsters.push_back({i, item.line, last, scalarOf(item, "Id"),
                               scalarOf(item, "AegisName"), scalarOf(item, "Name")});
    }
    return db;
}

bool readAfterTheMainDatabase(std::string_view path)
{
    // Either separator: a Windows path may be written with either.
    const std::size_t name = path.find_last_of("/\\");
    if (name == std::string_view::npos)
        return false;
    const std::string_view folder = path.substr(0, name);
    const std::size_t parent = folder.find_last_of("/\\");
    return equalIgnoringCase(folder.substr(parent == std::string_view::npos ? 0 : parent + 1),
                             "import");
}

} // namespace grimlark
