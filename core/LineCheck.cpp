// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "LineCheck.h"

#include "CodeTables.h"
#include "EntryLoader.h"
#include "EntryWarnings.h"
#include "HerculesEntry.h"
#include "Numbers.h"
#include "RathenaYamlEntry.h"
#include "ServerRules.h"
#include "SqlDump.h"
#include "SqlEntry.h"
#include "TextEntry.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace grimlark {

namespace {

/// The names as the file holds them: the statement's values, or the line's
/// fields (no byte of a legacy encoding's characters is a comma).
NameBytes namesOf(std::string_view bytes, bool statement, const MonsterEntry &entry,
                  const char *encoding)
{
    const Layout layout = entry.carried.layout;
    if (byKeys(layout)) // keys, not fields, in UTF-8: the entry's names
        return namesAsHeld(entry);
    NameBytes names;
    names.encoding = encoding;
    std::vector<std::string> values;
    if (statement) {
        values = parseSqlRow(bytes).values;
    } else {
        for (const std::string_view field : splitFields(bytes, 5))
            values.emplace_back(field);
    }
    if (values.size() > 2) {
        names.name = values[1];
        names.jname = values[2];
    }
    if (const int at = otherNameField(formatOf(layout)); at >= 0 && values.size() > std::size_t(at))
        names.other = values[std::size_t(at)];
    else
        names.other = names.jname;
    return names;
}

/// What is said of a monster line in a file of the other form; empty where
/// it stands in its own.
std::string misplaced(LineForm form, FileKind kind)
{
    const bool dump = kind == FileKind::Dump;
    if (form == LineForm::Statement && !dump)
        return "An SQL statement in a text database file: the servers read no statement "
               "from one, and skip it.";
    if (form == LineForm::Text && dump)
        return "A text line in an SQL dump: the server's SQL client refuses it as a statement.";
    return {};
}

} // namespace

LineForm formOf(std::string_view line)
{
    if (isSqlStatement(line))
        return LineForm::Statement;
    const std::string_view text = trimmed(line);
    return (!text.empty() && isDigit(text.front())) || isYamlEntry(text) || isConfigEntry(text)
               ? LineForm::Text
               : LineForm::Other;
}

LineForm formOf(std::string_view line, FileKind kind)
{
    // In Hercules' database only its groups are monsters (a schema
    // comment's "Id: ID" line is none).
    if (kind == FileKind::Config)
        return isConfigEntry(line) ? LineForm::Text : LineForm::Other;
    return formOf(line);
}

void FileForm::add(std::string_view line)
{
    switch (formOf(line)) {
    case LineForm::Statement:
        ++m_statements;
        break;
    case LineForm::Text:
        ++m_texts;
        break;
    case LineForm::Other:
        break;
    }
}

std::vector<LineReport> checkLine(std::string_view text, std::string_view bytes,
                                  const char *encoding, unsigned servers, FileKind kind,
                                  std::optional<long long> *id, const ItemDatabase *items)
{
    if (id)
        id->reset();
    std::vector<LineReport> reports;
    const LineForm form = formOf(text, kind);
    const bool statement = form == LineForm::Statement;
    if (kind != FileKind::Text && form == LineForm::Other)
        return reports; // the table's definition, or the file's own comments and frame
    if (const std::string where = misplaced(form, kind); !where.empty())
        reports.push_back({"line", where});
    MonsterEntry entry; // every field of it set by a line that loads
    const LoadResult result = LoadEntryIntoEditor(text, entry);
    if (result.status == LoadResult::Status::NoLine ||
        result.status == LoadResult::Status::CommentLine)
        return reports;
    if (!result.loaded()) {
        reports.push_back({result.field.empty() ? "line" : result.field, result.message()});
        return reports;
    }
    if (id)
        *id = readAsServer(entry.ID).value;
    for (const std::string &note : result.notes)
        reports.push_back({"line", note});
    for (const CodeList *list : unselectedLists(entry))
        reports.push_back({list->caption, "-1 is no " + std::string(list->caption) +
                                              ", which the servers do not read as one."});
    const NameBytes names = namesOf(bytes, statement, entry, encoding);
    for (const Finding &finding :
         statement ? sqlFindings(entry, names) : textFindings(entry, names))
        if (finding.servers & servers)
            reports.push_back({finding.field, finding.message});
    if (items)
        for (const std::string &warning : itemWarnings(entry, *items)) {
            const std::size_t colon = warning.find(": ");
            reports.push_back({warning.substr(0, colon), warning.substr(colon + 2)});
        }
    return reports;
}

std::vector<LineReport> carriedLosses(const MonsterEntry &entry, Layout target)
{
    std::vector<LineReport> losses;
    if (otherNameField(formatOf(target)) < 0 && entry.carried.hasOtherName)
        losses.push_back({"iRO name", "The iRO name " + quoteValue(entry.carried.otherName) +
                                          " has no place in the " + formatOf(target).name +
                                          " layout."});
    const LayoutFormat &from = formatOf(entry.carried.layout);
    const LayoutFormat &to = formatOf(target);
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (holdsField(to, i) || !kFields[i].startup)
            continue; // only a field the target has no place for is looked at
        std::string value;
        appendFieldValue(value, kFields[i], entry);
        if (value != kFields[i].startup)
            losses.push_back({kFields[i].name, "The " + std::string(kFields[i].name) + " " +
                                                   quoteValue(value) + " has no place in the " +
                                                   to.name + " layout."});
    }
    // The boxes carry their meaning across; bits no box shows are written as
    // they stand, which another layout's servers may read as something else.
    // ChangeTargetMelee, ChangeTargetChase and TargetWeak (0x1000 to
    // 0x4000) mean the same to every later server.
    constexpr int kSameToLaterServers = 0x7000;
    const int differing = from.knownModeFlags > 0xFFF && to.knownModeFlags > 0xFFF
                              ? entry.carried.modeAbove & ~kSameToLaterServers
                              : entry.carried.modeAbove;
    if (differing != 0 && from.modeBits != to.modeBits) {
        char flags[160];
        (void)std::snprintf(flags, sizeof flags,
                            "Mode flags 0x%X of the %s layout are written as they stand, and "
                            "mean other things in the %s layout.",
                            static_cast<unsigned>(differing), from.name ? from.name : "classic",
                            to.name);
        losses.push_back({"Mode", flags});
    }
    for (std::string &lost : yamlLosses(entry, target))
        losses.push_back({"line", std::move(lost)});
    const int known = to.knownModeFlags;
    if (const int unknown = int(modeNumberOf(to, entry.Mode, entry.carried.modeAbove)) & ~known;
        unknown != 0 && from.modeBits == to.modeBits) {
        char flags[96];
        (void)std::snprintf(flags, sizeof flags,
                            "Mode flags 0x%X are not known to the servers of the %s layout.",
                            static_cast<unsigned>(unknown), shortName(target));
        losses.push_back({"Mode", flags});
    }
    return losses;
}

std::vector<LineReport> changesOfMeaning(const std::vector<Finding> &before, unsigned sourceServers,
                                         const std::vector<Finding> &after, Layout target)
{
    // A server that skipped the monster stored none of it: what it would have
    // done with a field is no measure.
    unsigned stored = sourceServers;
    for (const Finding &was : before)
        if (was.skips)
            stored &= ~was.servers;
    std::vector<LineReport> changes;
    for (const Finding &finding : after) {
        bool changed = false;
        for (const ServerProfile &profile : kServers) {
            const auto server = unsigned(profile.server);
            if ((finding.servers & server) == 0)
                continue;
            if ((stored & server) != 0) {
                changed =
                    changed ||
                    std::none_of(before.begin(), before.end(), [&finding](const Finding &was) {
                        return was.field == finding.field && was.message == finding.message;
                    });
                continue;
            }
            // Stored as written by a server of the line's own, unless each one
            // stored the field otherwise already.
            unsigned otherwise = 0;
            for (const Finding &was : before)
                if (was.field == finding.field)
                    otherwise |= was.servers;
            // A monster skipped now is a change where a server of the line's
            // stored it; where none did, a skip is none.
            if (finding.skips)
                changed = changed || stored != 0;
            else
                changed = changed || stored == 0 || (stored & ~otherwise) != 0;
        }
        if (changed)
            changes.push_back({finding.field, finding.message});
    }
    // What every server of the line's that stored the monster (or, for a
    // skip, every one) stored otherwise, and the target's store as written.
    // (Where a target server skips the monster, that skip is the change.)
    const unsigned targetServers = serversOf(target);
    if ((targetServers & ~sourceServers) == 0 ||
        std::any_of(after.begin(), after.end(), [](const Finding &is) { return is.skips; }))
        return changes;
    for (const Finding &was : before) {
        const unsigned all = was.skips ? sourceServers : stored;
        if (all == 0 || (was.servers & all) != all)
            continue;
        if (std::none_of(after.begin(), after.end(),
                         [&was](const Finding &is) { return is.field == was.field; }))
            changes.push_back({was.field, was.message + " The servers of the " + shortName(target) +
                                              " layout store it as written."});
    }
    return changes;
}

ConvertedLine convertLine(std::string_view text, std::string_view bytes, Layout target, bool sql,
                          FileKind kind, const char *encoding, const ConvertItems &items)
{
    ConvertedLine converted;
    const bool toYaml = !sql && target == Layout::RathenaYaml;
    const std::string comment = sql ? "-- " : toYaml ? "#" : "//";
    // A file's frame and comments stay as they are in a file of its form.
    const bool ownForm = !sql && ((kind == FileKind::Yaml && target == Layout::RathenaYaml) ||
                                  (kind == FileKind::Config && target == Layout::Hercules));
    if (trimmed(bytes).empty())
        return converted;
    const LineForm form = formOf(text, kind);
    const bool statement = form == LineForm::Statement;
    const bool owns = kind != FileKind::Text && form == LineForm::Other; // the file's own line
    if (owns && ownForm) {
        converted.bytes = std::string(bytes);
        return converted;
    }
    MonsterEntry entry; // every field of it set by a line that loads
    const LoadResult result = owns ? LoadResult{} : LoadEntryIntoEditor(text, entry);
    if (owns || result.status == LoadResult::Status::CommentLine) {
        // Kept in place as a comment; a comment already is one in the text form.
        const bool isComment = trimmed(bytes).substr(0, 2) == "//";
        converted.bytes =
            sql || toYaml || !isComment ? comment + std::string(bytes) : std::string(bytes);
        return converted;
    }
    if (const std::string where = misplaced(form, kind); !where.empty())
        converted.lost.push_back({"line", where});
    if (!result.loaded()) {
        converted.bytes = comment + std::string(bytes);
        converted.lost.push_back({result.field.empty() ? "line" : result.field, result.message()});
        return converted;
    }
    for (const std::string &note : result.notes)
        converted.lost.push_back({"line", note});
    // The names in the file's own bytes, the rest as the editor writes it.
    const NameBytes names = namesOf(bytes, statement, entry, encoding);
    const unsigned sourceServers = serversOf(entry.carried.layout);
    const std::vector<Finding> before =
        statement ? sqlFindings(entry, names) : textFindings(entry, names);
    // A name is found among the items of the server that wrote it, an ID's
    // item among the target's, each in the other where it is not.
    const bool fromKeys = byKeys(entry.carried.layout);
    if (fromKeys != byKeys(target))
        translateDrops(entry, target, fromKeys ? items.source : items.target,
                       fromKeys ? items.target : items.source);
    else if (fromKeys && entry.carried.layout != target) {
        // Between two servers' names, through the item's ID: 806 items
        // rAthena and Hercules share are spelt otherwise by each.
        translateDrops(entry, Layout::Classic, items.source, nullptr);
        translateDrops(entry, target, items.target, nullptr);
    }
    for (LineReport &lost : carriedLosses(entry, target))
        converted.lost.push_back(std::move(lost));
    moveIntoLayout(entry, target);
    // YAML holds its names in UTF-8, and by keys: as the entry holds them.
    const NameBytes writtenNames = fromKeys || byKeys(target) ? namesAsHeld(entry) : names;
    const MonsterEntry written = withNames(entry, writtenNames);
    converted.bytes = sql ? BuildSqlEntry(entry, &writtenNames) : BuildTextEntry(written);
    for (LineReport &change : changesOfMeaning(
             before, sourceServers,
             sql ? sqlFindings(entry, writtenNames) : textFindings(entry, writtenNames), target))
        converted.lost.push_back(std::move(change));
    // Written all the same, but never silently: what the line written would
    // not load back as.
    if (const std::optional<std::string> otherwise =
            readsBackOtherwise(written, sql ? rowOf(converted.bytes) : converted.bytes))
        converted.lost.push_back({"line", *otherwise});
    return converted;
}

} // namespace grimlark
