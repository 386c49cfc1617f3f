// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "FileEdit.h"

#include "FileReader.h"
#include "HerculesMobDb.h"
#include "RathenaMobDb.h"

#include <algorithm>

namespace grimlark {

namespace {

/// Where line `n` (counted from 1) of `bytes` ends, and where the next begins
/// (the end of the bytes for the last line): lines end as splitLines ends them.
struct LineSpan {
    std::size_t begin = 0, end = 0, next = 0;
};

LineSpan lineNumbered(std::string_view bytes, std::size_t n)
{
    LineSpan line;
    for (std::size_t number = 1; line.begin < bytes.size(); ++number) {
        line.end = bytes.find_first_of("\r\n", line.begin);
        if (line.end == std::string_view::npos)
            line.end = bytes.size();
        line.next = line.end;
        if (line.next < bytes.size())
            line.next += bytes.compare(line.next, 2, "\r\n") == 0 ? 2u : 1u;
        if (number == n)
            return line;
        line.begin = line.next;
    }
    return {bytes.size(), bytes.size(), bytes.size()};
}

bool endsLine(std::string_view bytes)
{
    return bytes.empty() || bytes.back() == '\n' || bytes.back() == '\r';
}

std::size_t indentOf(std::string_view line)
{
    return std::min(line.size(), line.find_first_not_of(' '));
}

/// `record`'s lines moved right or left together, so that its first line is
/// indented `indent` spaces (a line with fewer spaces loses what it has).
std::string indented(std::string_view record, std::size_t indent)
{
    const std::size_t own = indentOf(record);
    if (own == indent)
        return std::string(record);
    std::string out;
    for (std::size_t at = 0; at < record.size();) {
        std::size_t end = record.find('\n', at);
        end = end == std::string_view::npos ? record.size() : end + 1;
        std::string_view line = record.substr(at, end - at);
        if (indent > own)
            out.append(indent - own, ' ');
        else
            line.remove_prefix(std::min(own - indent, indentOf(line)));
        out.append(line);
        at = end;
    }
    return out;
}

Addition inserted(std::string_view file, std::size_t at, std::string_view before,
                  std::string_view record, std::string_view lineEnd)
{
    Addition addition;
    reserveLarge(addition.bytes, file.size() + before.size() + record.size() + 2 * lineEnd.size());
    addition.bytes.append(file.substr(0, at));
    if (!endsLine(addition.bytes))
        addition.bytes.append(lineEnd);
    addition.bytes.append(before);
    addition.at = addition.bytes.size();
    addition.bytes.append(record).append(lineEnd).append(file.substr(at));
    return addition;
}

std::optional<Addition> addedToYaml(std::string_view file, std::string_view record,
                                    std::string_view lineEnd, std::string &why)
{
    const RathenaMobDb db = readRathenaMobDb(file);
    if (db.fault != RathenaMobDb::Fault::None) {
        why = db.message();
        return std::nullopt;
    }
    if (!db.monsters.empty()) {
        const YamlMonster &last = db.monsters.back();
        const LineSpan first = lineNumbered(file, last.firstLine);
        const std::size_t indent = indentOf(file.substr(first.begin, first.end - first.begin));
        return inserted(file, lineNumbered(file, last.lastLine).next, {}, indented(record, indent),
                        lineEnd);
    }
    const YamlNode &root = db.document.root;
    for (std::size_t i = 0; i + 1 < root.children.size(); i += 2)
        if (root.children[i].text == "Body")
            return inserted(file, lineNumbered(file, root.children[i].line).next, {}, record,
                            lineEnd);
    // A template or an import file with no monster yet: its Body begins here.
    return inserted(file, file.size(), std::string("Body:").append(lineEnd), record, lineEnd);
}

std::optional<Addition> addedToConfig(std::string_view file, std::string_view record,
                                      std::string_view lineEnd, std::string &why)
{
    const HerculesMobDb db = readHerculesMobDb(file);
    if (db.fault != HerculesMobDb::Fault::None) {
        why = db.message();
        return std::nullopt;
    }
    const ConfigNode &list = *db.document.root.find("mob_db");
    const std::size_t close = list.end > 0 ? file.rfind(')', list.end - 1) : std::string_view::npos;
    if (close == std::string_view::npos || close < list.begin) {
        why = "its mob_db list has no end";
        return std::nullopt;
    }
    // At the start of the line of the `)`, where it stands alone there; else
    // before the `)` itself, the group on lines of its own.
    std::size_t at = file.find_last_of("\r\n", close);
    at = at == std::string_view::npos ? 0 : at + 1;
    if (file.find_first_not_of(" \t", at) != close)
        at = close;
    // Hercules' groups are each followed by a comma, the last one too; one
    // written without now needs it.
    if (!list.children.empty() &&
        file[std::min(close, file.find_first_not_of(" \t\r\n", list.children.back().end))] != ',') {
        std::string withComma(file);
        withComma.insert(list.children.back().end, 1, ',');
        return inserted(withComma, at + 1, {}, record, lineEnd);
    }
    return inserted(file, at, {}, record, lineEnd);
}

} // namespace

LineEnds lineEndsOf(std::string_view bytes)
{
    // Counted (a vectorised count), not walked: a file of 60 MB has a
    // million lines.
    LineEnds ends;
    const auto lf = std::size_t(std::count(bytes.begin(), bytes.end(), '\n'));
    std::size_t cr = 0, crlf = 0;
    for (std::size_t at = bytes.find('\r'); at != std::string_view::npos;
         at = bytes.find('\r', at + 1)) {
        ++cr;
        crlf += at + 1 < bytes.size() && bytes[at + 1] == '\n';
    }
    const std::size_t first = bytes.find_first_of("\r\n");
    if (first != std::string_view::npos && bytes[first] == '\r')
        ends.end = bytes.compare(first, 2, "\r\n") == 0 ? "\r\n" : "\r";
    ends.mixed = int(crlf > 0) + int(lf > crlf) + int(cr > crlf) > 1;
    return ends;
}

std::string withLineEnds(std::string_view record, std::string_view end)
{
    std::string out;
    out.reserve(record.size() + record.size() / 16);
    for (std::size_t at = 0; at < record.size(); ++at) {
        if (record[at] == '\r' || record[at] == '\n') {
            if (record[at] == '\r' && at + 1 < record.size() && record[at + 1] == '\n')
                ++at;
            out.append(end);
        } else {
            out.push_back(record[at]);
        }
    }
    return out;
}

std::string withSpanReplaced(std::string_view file, std::size_t begin, std::size_t end,
                             std::string_view record)
{
    std::string out;
    reserveLarge(out, file.size() - (end - begin) + record.size());
    out.append(file.substr(0, begin)).append(record).append(file.substr(end));
    return out;
}

std::optional<Addition> withRecordAdded(std::string_view file, FileKind kind,
                                        std::string_view record, std::string_view lineEnd,
                                        std::string &why)
{
    switch (kind) {
    case FileKind::Yaml:
        return addedToYaml(file, record, lineEnd, why);
    case FileKind::Config:
        return addedToConfig(file, record, lineEnd, why);
    case FileKind::Text:
    case FileKind::Dump:
        break;
    }
    return inserted(file, file.size(), {}, record, lineEnd);
}

} // namespace grimlark
