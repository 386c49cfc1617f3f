// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "ItemDatabase.h"

#include "Libconfig.h"

#include "LineReader.h"
#include "Numbers.h"
#include "Yaml.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace grimlark {

namespace {

std::string lowered(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    return lower;
}

std::string scalarOf(const YamlNode &map, std::string_view key)
{
    const YamlNode *value = map.find(key);
    return value && value->kind == YamlNode::Kind::Scalar ? value->text : std::string();
}

/// rAthena's YAML item database: its Body's items.
ItemFileRead readYamlItems(std::string_view bytes, ItemDatabase &items)
{
    ItemFileRead read;
    const YamlDocument document = readYaml(bytes);
    if (!document.read) {
        read.problem =
            "it is not YAML: " + document.problem + " (line " + std::to_string(document.line) + ")";
        return read;
    }
    const YamlNode *header = document.root.find("Header");
    if (!header || scalarOf(*header, "Type") != "ITEM_DB") {
        read.problem = "its Header does not say Type: ITEM_DB";
        return read;
    }
    read.read = true;
    const YamlNode *body = document.root.find("Body");
    if (!body || body->kind != YamlNode::Kind::Sequence)
        return read; // an import file with no item of its own
    for (const YamlNode &item : body->children) {
        const WholeNumber id = parseWholeNumber(scalarOf(item, "Id"));
        if (id.value && items.add({*id.value, scalarOf(item, "AegisName"), scalarOf(item, "Name")}))
            ++read.items;
    }
    return read;
}

/// Hercules' item database: `item_db: ( { Id: 501 AegisName: "Red_Potion"
/// Name: "Red Potion" ... }, ... )`.
ItemFileRead readConfigItems(std::string_view bytes, ItemDatabase &items)
{
    ItemFileRead read;
    const ConfigDocument document = readConfig(bytes);
    if (!document.read()) {
        read.problem = "it is not libconfig as Hercules reads it: " + document.message();
        return read;
    }
    const ConfigNode *list = document.root.find("item_db");
    if (!list || list->kind != ConfigNode::Kind::List) {
        read.problem = "it has no setting \"item_db\" holding a list of items";
        return read;
    }
    read.read = true;
    for (const ConfigNode &item : list->children) {
        const ConfigNode *id = item.find("Id");
        const ConfigNode *aegis = item.find("AegisName");
        const ConfigNode *name = item.find("Name");
        if (id && id->kind == ConfigNode::Kind::Integer &&
            items.add({id->integer, aegis ? aegis->text : std::string(),
                       name ? name->text : std::string()}))
            ++read.items;
    }
    return read;
}

/// eAthena's and Freya's text item database: ID,AegisName,Name,... a line.
ItemFileRead readTextItems(std::string_view bytes, ItemDatabase &items)
{
    constexpr std::size_t kFieldsNeeded = 19;
    constexpr long long kLastId = 19999;
    ItemFileRead read;
    read.read = true;
    splitLines(bytes, [&](std::string_view line) {
        if (trimmed(line).substr(0, 2) == "//")
            return;
        const std::vector<std::string_view> fields = splitFields(line, kFieldsNeeded + 1);
        if (fields.size() < kFieldsNeeded)
            return;
        const WholeNumber id = parseWholeNumber(fields[0]);
        if (id.value && *id.value >= 1 && *id.value <= kLastId &&
            items.add({*id.value, std::string(fields[1]), std::string(fields[2])}))
            ++read.items;
    });
    if (read.items == 0) {
        read.read = false;
        read.problem = "it holds no item line (ID,AegisName,Name,... of 19 fields or more)";
    }
    return read;
}

} // namespace

bool ItemDatabase::add(Item item)
{
    const std::string aegis = lowered(item.aegisName);
    if (const auto held = m_aegis.find(aegis); held != m_aegis.end() && held->second != item.id)
        return false;
    if (const auto old = m_items.find(item.id); old != m_items.end()) {
        m_aegis.erase(lowered(old->second.aegisName));
        if (const auto name = m_names.find(lowered(old->second.name));
            name != m_names.end() && name->second == item.id)
            m_names.erase(name);
    }
    m_aegis[aegis] = item.id;
    m_names.emplace(lowered(item.name), item.id); // the first of a name is found
    const long long id = item.id;
    m_items[id] = std::move(item);
    return true;
}

const Item *ItemDatabase::byId(long long id) const
{
    const auto found = m_items.find(id);
    return found == m_items.end() ? nullptr : &found->second;
}

const Item *ItemDatabase::byAegisName(std::string_view name) const
{
    const auto found = m_aegis.find(lowered(name));
    return found == m_aegis.end() ? nullptr : byId(found->second);
}

const Item *ItemDatabase::byName(std::string_view name) const
{
    const auto found = m_names.find(lowered(name));
    return found == m_names.end() ? nullptr : byId(found->second);
}

const Item *ItemDatabase::named(std::string_view text) const
{
    const std::string_view name = trimmed(text);
    if (const WholeNumber id = parseWholeNumber(name); id.value)
        return byId(*id.value);
    if (const Item *item = byAegisName(name))
        return item;
    return byName(name);
}

std::vector<const Item *> ItemDatabase::beginningWith(std::string_view typed,
                                                      std::size_t most) const
{
    const std::string start = lowered(trimmed(typed));
    std::vector<const Item *> found;
    if (start.empty())
        return found;
    for (const auto &[id, item] : m_items)
        if (lowered(item.aegisName).compare(0, start.size(), start) == 0 ||
            lowered(item.name).compare(0, start.size(), start) == 0)
            found.push_back(&item);
    std::sort(found.begin(), found.end(),
              [](const Item *a, const Item *b) { return a->id < b->id; });
    if (found.size() > most)
        found.resize(most);
    return found;
}

std::vector<const Item *> ItemDatabase::all() const
{
    std::vector<const Item *> every;
    every.reserve(m_items.size());
    for (const auto &[id, item] : m_items)
        every.push_back(&item);
    std::sort(every.begin(), every.end(),
              [](const Item *a, const Item *b) { return a->id < b->id; });
    return every;
}

namespace {
// The platform's own file name as a path: UTF-8 on Windows, bytes elsewhere.
std::filesystem::path pathOf(const std::string &native)
{
#ifdef _WIN32
    return std::filesystem::u8path(native);
#else
    return {native};
#endif
}
std::string nativeOf(const std::filesystem::path &path)
{
#ifdef _WIN32
    return path.u8string();
#else
    return path.string();
#endif
}
} // namespace

std::vector<std::string> itemFilesBeside(const std::string &nativePath, FileKind kind)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path folder = pathOf(nativePath).parent_path();
    std::vector<std::string> files;
    const auto add = [&files, &error](const fs::path &file) {
        if (fs::is_regular_file(file, error))
            files.push_back(nativeOf(file));
    };
    if (kind == FileKind::Config) {
        // db/pre-re/item_db.conf beside db/pre-re/mob_db.conf; the custom
        // items of db/item_db2.conf beside db/mob_db2.conf, or one up.
        add(folder / "item_db.conf");
        add(folder / "item_db2.conf");
        if (!fs::exists(folder / "item_db2.conf", error))
            add(folder / ".." / "item_db2.conf");
        return files;
    }
    if (kind != FileKind::Yaml) {
        add(folder / "item_db.txt");
        add(folder / "item_db2.txt");
        return files;
    }
    std::vector<fs::path> found;
    for (fs::directory_iterator entry(folder.empty() ? fs::path(".") : folder, error), end;
         !error && entry != end; entry.increment(error)) {
        const std::string name = nativeOf(entry->path().filename());
        if (name.rfind("item_db", 0) == 0 && name.size() >= 11 &&
            name.compare(name.size() - 4, 4, ".yml") == 0)
            found.push_back(entry->path());
    }
    std::sort(found.begin(), found.end());
    for (const fs::path &file : found)
        add(file);
    add(folder / ".." / "import" / "item_db.yml");
    return files;
}

ItemFileRead readItemFile(std::string_view bytes, ItemDatabase &items)
{
    // YAML has its Header; a text item database's lines begin with an ID or "//".
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', at), bytes.size());
        const std::string_view line = trimmed(bytes.substr(at, end - at));
        if (line.substr(0, 7) == "Header:")
            return readYamlItems(bytes, items);
        if (line.substr(0, 7) == "item_db" && line.find('(') != std::string_view::npos)
            return readConfigItems(bytes, items);
        if (!line.empty() && line.front() != '#' && line.substr(0, 2) != "//")
            break;
        at = end + 1;
    }
    return readTextItems(bytes, items);
}

} // namespace grimlark
