// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "LineCheck.h"

#include "CodeTables.h"
#include "EntryLoader.h"
#include "FieldTable.h"
#include "Numbers.h"
#include "SqlDump.h"

namespace grimlark {

namespace {

/// The two names as the file holds them: the statement's values, or the
/// line's second and third fields (no byte of a legacy encoding's characters
/// is a comma).
NameBytes namesOf(std::string_view bytes, bool statement, const char *encoding)
{
    NameBytes names;
    names.encoding = encoding;
    if (statement) {
        const SqlRow row = parseSqlRow(bytes);
        if (row.values.size() > 2) {
            names.name = row.values[1];
            names.jname = row.values[2];
        }
        return names;
    }
    const std::vector<std::string_view> fields = splitFields(bytes, 4);
    if (fields.size() > 2) {
        names.name = std::string(fields[1]);
        names.jname = std::string(fields[2]);
    }
    return names;
}

} // namespace

std::vector<LineReport> checkLine(std::string_view text, std::string_view bytes,
                                  const char *encoding, unsigned servers, bool dump)
{
    std::vector<LineReport> reports;
    const bool statement = isSqlStatement(text);
    if (dump && !statement)
        return reports; // the table's definition, or the dump's own comments
    MonsterEntry entry = startupEntry();
    const LoadResult result = LoadEntryIntoEditor(text, entry);
    if (result.status == LoadResult::Status::NoLine ||
        result.status == LoadResult::Status::CommentLine)
        return reports;
    if (!result.loaded()) {
        reports.push_back({result.field.empty() ? "line" : result.field, result.message()});
        return reports;
    }
    for (const std::string &note : result.notes)
        reports.push_back({"line", note});
    const std::pair<ListPosition, const CodeList *> lists[] = {
        {entry.Scale, &kScaleList}, {entry.Race, &kRaceList}, {entry.Element, &kElementList}};
    for (const auto &[position, list] : lists)
        if (position == kNoSelection)
            reports.push_back({list->caption, "-1 is no " + std::string(list->caption) +
                                                  ", which the servers do not read as one."});
    const NameBytes names = namesOf(bytes, statement, encoding);
    for (const Finding &finding :
         statement ? sqlFindings(entry, names) : textFindings(entry, names))
        if (finding.servers & servers)
            reports.push_back({finding.field, finding.message});
    return reports;
}

} // namespace grimlark
