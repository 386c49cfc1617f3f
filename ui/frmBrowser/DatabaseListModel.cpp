// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "DatabaseListModel.h"

#include "core/EntryLoader.h"
#include "core/HerculesEntry.h"
#include "core/LineCheck.h"
#include "core/Numbers.h"
#include "core/RathenaMobDb.h"
#include "core/RathenaYamlEntry.h"
#include "core/SqlDump.h"
#include "core/Utf8.h"
#include "ui/common/Text.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

namespace grimlark::ui {

namespace {

// A line is drawn in a list 353 pixels wide; decoding a 10 MB line to draw its
// first few dozen characters would stall the list.
constexpr std::size_t kShownBytes = 4096;
// What a quoted value shows (40 characters) takes at most this many bytes.
constexpr std::size_t kQuotedBytes = std::size_t(41) * 4;

} // namespace

QString DatabaseListModel::text(const ListedFile &file, std::size_t row, std::string_view bytes)
{
    // Each line on its own: one stray byte in a file garbles no other line;
    // where the user chose the file's encoding, every line is read in it.
    if (file.lines.isUtf8(row) && !file.chosen)
        return fromUtf8(bytes);
    return decodeLegacy(bytes, *file.encoding);
}

int DatabaseListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

std::size_t DatabaseListModel::fileAt(int &row) const
{
    for (std::size_t i = m_files.size(); i-- > 0;) {
        if (std::size_t(row) < m_files[i].lines.lines())
            return i;
        row -= int(m_files[i].lines.lines());
    }
    return m_files.size();
}

const DatabaseListModel::ListedFile *DatabaseListModel::locate(int &row) const
{
    const std::size_t file = fileAt(row);
    return file < m_files.size() ? &m_files[file] : nullptr;
}

QVariant DatabaseListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole &&
         role != FirstOfFileRole))
        return {};
    int row = index.row();
    const ListedFile *file = locate(row);
    if (!file)
        return {};
    if (role == FirstOfFileRole)
        return row == 0;
    const std::string_view line = file->lines.line(std::size_t(row));
    if (role == Qt::ToolTipRole) {
        // The whole line, wrapped, and where it comes from. Tool tips take rich
        // text, so the line is escaped: markup in a file shows as written.
        constexpr qsizetype kTipCharacters = 2000;
        QString whole = text(*file, std::size_t(row), line.substr(0, kTipCharacters * 4));
        if (whole.size() > kTipCharacters)
            whole = whole.left(kTipCharacters) + QChar(0x2026);
        // Which layout, as the line's shape tells (a tool tip: shown one line at
        // a time, so the line is looked at only then); a line that holds no
        // monster says what it is instead.
        const std::string_view head = line.substr(0, kTipCharacters * 4);
        const std::string_view words = trimmed(head);
        const char *what = words.empty()                     ? "a blank line"
                           : words.substr(0, 2) == "//"      ? "a comment, which the servers skip"
                           : isYamlEntry(head)               ? describe(Layout::RathenaYaml)
                           : formOf(head) == LineForm::Other ? "no monster line"
                                                             : describe(layoutOfLine(head));
        // The rich text wraps only where a line may break: after each comma,
        // and within a long run of other characters, so the tip stays on the
        // screen however long a name is.
        constexpr qsizetype kLongestRun = 60;
        QString breakable;
        breakable.reserve(whole.size() + whole.size() / 8);
        qsizetype run = 0;
        for (const QChar c : std::as_const(whole)) {
            breakable += c;
            const bool breaks = c == QLatin1Char(',') || c.isSpace();
            if (breaks || (++run >= kLongestRun && !c.isHighSurrogate())) {
                if (!c.isSpace())
                    breakable += QChar(0x200B); // a zero-width space: a place to break
                run = 0;
            }
        }
        // A record of several lines (a YAML entry) keeps them.
        const QString wrapped =
            breakable.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
        return QStringLiteral("<p><b>%1</b>, line %2: %3</p><p>%4</p>")
            .arg(file->name.toHtmlEscaped())
            .arg(file->lines.sourceLine(std::size_t(row)) + 1)
            .arg(QString::fromLatin1(what).toHtmlEscaped(), wrapped);
    }
    std::string_view shown = line.substr(0, kShownBytes);
    if (file->lines.isUtf8(std::size_t(row))) // do not cut a character in two
        while (shown.size() < line.size() && !shown.empty() &&
               (static_cast<unsigned char>(line[shown.size()]) & 0xC0) == 0x80)
            shown.remove_suffix(1);
    QString shownText = text(*file, std::size_t(row), shown);
    // A record of several lines is shown on one: its keys one after another.
    if (shown.find('\n') != std::string_view::npos)
        shownText = shownText.simplified();
    return shownText;
}

bool DatabaseListModel::addFile(DatabaseFile file, const LegacyEncoding &encoding,
                                const QString &name, const QString &path)
{
    const std::size_t lines = file.lines();
    if (lines == 0)
        return true;
    if (lines > std::size_t(std::numeric_limits<int>::max() - m_rows))
        return false;
    m_files.reserve(m_files.size() + 1); // may throw before anything changed
    // The newest file's rows come first, before every older file's lines.
    beginInsertRows(QModelIndex(), 0, int(lines) - 1);
    m_rows += int(lines);
    const int widest = int(std::min(file.widest(), kShownBytes));
    m_files.push_back({std::move(file), &encoding, name, widest, m_nextId++, path, false});
    endInsertRows();
    return true;
}

std::size_t DatabaseListModel::indexOfId(int id, int &first) const
{
    first = 0; // the newest file's rows first
    for (std::size_t i = m_files.size(); i-- > 0;) {
        if (m_files[i].id == id)
            return i;
        first += int(m_files[i].lines.lines());
    }
    return m_files.size();
}

bool DatabaseListModel::replaceFile(int id, DatabaseFile file, const LegacyEncoding &encoding)
{
    int first = 0;
    const std::size_t at = indexOfId(id, first);
    if (at == m_files.size())
        return false;
    const int old = int(m_files[at].lines.lines());
    const std::size_t lines = file.lines();
    if (lines > std::size_t(std::numeric_limits<int>::max() - (m_rows - old)))
        return false;
    if (old > 0) {
        beginRemoveRows(QModelIndex(), first, first + old - 1);
        m_rows -= old;
        m_files[at].lines = DatabaseFile();
        endRemoveRows();
    }
    if (lines > 0)
        beginInsertRows(QModelIndex(), first, first + int(lines) - 1);
    m_rows += int(lines);
    ListedFile &listed = m_files[at];
    listed.widest = int(std::min(file.widest(), kShownBytes));
    listed.lines = std::move(file);
    listed.encoding = &encoding;
    listed.chosen = false;
    if (lines > 0)
        endInsertRows();
    return true;
}

void DatabaseListModel::removeFile(int id)
{
    int first = 0;
    const std::size_t at = indexOfId(id, first);
    if (at == m_files.size())
        return;
    const int lines = int(m_files[at].lines.lines());
    if (lines > 0)
        beginRemoveRows(QModelIndex(), first, first + lines - 1);
    m_rows -= lines;
    m_files.erase(m_files.begin() + std::ptrdiff_t(at));
    if (lines > 0)
        endRemoveRows();
}

int DatabaseListModel::rowOf(ListedLine line) const
{
    int first = 0;
    const std::size_t at = indexOfId(line.file, first);
    if (at == m_files.size() || line.line >= m_files[at].lines.lines())
        return -1;
    return first + int(line.line);
}

std::optional<Fingerprint> DatabaseListModel::fingerprintOf(int id) const
{
    int first = 0;
    const std::size_t at = indexOfId(id, first);
    if (at == m_files.size())
        return std::nullopt;
    return m_files[at].lines.fingerprint();
}

const LegacyEncoding *DatabaseListModel::chosenEncodingOf(int id) const
{
    int first = 0;
    const std::size_t at = indexOfId(id, first);
    return at != m_files.size() && m_files[at].chosen ? m_files[at].encoding : nullptr;
}

int DatabaseListModel::fileIdOfPath(const QString &path) const
{
    for (const ListedFile &file : m_files)
        if (!path.isEmpty() && file.path == path)
            return file.id;
    return -1;
}

QString DatabaseListModel::pathOf(int id) const
{
    for (const ListedFile &file : m_files)
        if (file.id == id)
            return file.path;
    return {};
}

QByteArray DatabaseListModel::lineUtf8(int row) const
{
    if (row < 0 || row >= m_rows)
        return {};
    const ListedFile *file = locate(row);
    const std::string_view line = file->lines.line(std::size_t(row));
    if (file->lines.isUtf8(std::size_t(row)) && !file->chosen)
        return {line.data(), qsizetype(line.size())};
    return text(*file, std::size_t(row), line).toUtf8();
}

namespace {

bool isAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

/// True when `line` holds `needle`, byte for byte or (`foldCase`) with ASCII
/// letters in either case: no copy of the line is made, however long.
bool holds(std::string_view line, std::string_view needle, bool foldCase)
{
    if (!foldCase)
        return line.find(needle) != std::string_view::npos;
    const auto *const found =
        std::search(line.begin(), line.end(), needle.begin(), needle.end(),
                    [](char a, char b) { return asciiLower(a) == asciiLower(b); });
    return found != line.end();
}

} // namespace

bool DatabaseListModel::lineHolds(const ListedFile &file, std::size_t row, const QString &text,
                                  std::string_view utf8, Qt::CaseSensitivity matchCase) const
{
    const std::string_view bytes = file.lines.line(row);
    const bool fold = matchCase == Qt::CaseInsensitive;
    const bool asUtf8 = file.lines.isUtf8(row) && !file.chosen;
    // The common case, an ASCII text (an ID, a name): the same bytes in every
    // encoding offered, searched in the line's own bytes. A two-byte encoding's
    // second byte may look like ASCII, so a hit there is checked by decoding.
    if (isAscii(utf8)) {
        if (!holds(bytes, utf8, fold))
            return false;
        return asUtf8 || isAscii(bytes) ||
               DatabaseListModel::text(file, row, bytes).contains(text, matchCase);
    }
    if (isAscii(bytes))
        return false; // no line of ASCII holds a text that is not
    if (asUtf8 && !fold)
        return holds(bytes, utf8, false);
    return DatabaseListModel::text(file, row, bytes).contains(text, matchCase);
}

int DatabaseListModel::findRow(const QString &text, int from, bool down,
                               Qt::CaseSensitivity matchCase) const
{
    if (text.isEmpty() || m_rows == 0)
        return -1;
    const std::string utf8 = toUtf8(text);
    // The file of the row before is kept: finding it again for each row would
    // cost more than the search on a file of many short lines.
    const ListedFile *file = nullptr;
    int first = 0, end = 0; // the rows of `file`
    for (int step = 1; step <= m_rows; ++step) {
        const int row = ((down ? from + step : from - step) % m_rows + m_rows) % m_rows;
        if (!file || row < first || row >= end) {
            int within = row;
            file = locate(within);
            first = row - within;
            end = first + int(file->lines.lines());
        }
        if (lineHolds(*file, std::size_t(row - first), text, utf8, matchCase))
            return row;
    }
    return -1;
}

QModelIndexList DatabaseListModel::match(const QModelIndex &start, int role, const QVariant &value,
                                         int hits, Qt::MatchFlags flags) const
{
    // Typing in the list looks for the next line that starts with what was
    // typed (an ID): compared in the lines' bytes, none decoded.
    const QString typed = value.toString();
    const std::string utf8 = toUtf8(typed);
    if (role != Qt::DisplayRole || hits != 1 || !start.isValid() || m_rows == 0 ||
        (flags & Qt::MatchTypeMask) != Qt::MatchStartsWith || typed.isEmpty() || !isAscii(utf8))
        return QAbstractListModel::match(start, role, value, hits, flags);
    const bool fold = !(flags & Qt::MatchCaseSensitive);
    const int last = flags & Qt::MatchWrap ? m_rows : m_rows - start.row();
    for (int step = 0; step < last; ++step) {
        const int row = (start.row() + step) % m_rows;
        int within = row;
        const ListedFile *file = locate(within);
        const std::string_view bytes = file->lines.line(std::size_t(within));
        if (bytes.size() >= utf8.size() && holds(bytes.substr(0, utf8.size()), utf8, fold))
            return {index(row)};
    }
    return {};
}

ListedLine DatabaseListModel::lineAt(int row) const
{
    if (row < 0 || row >= m_rows)
        return {};
    const ListedFile *file = locate(row);
    return {file->id, std::size_t(row)};
}

namespace {
/// The AegisName of a YAML entry of ID `id` (its first line "- Id: 1002"),
/// or nothing where `record` is no such entry.
std::optional<std::string> yamlEntryOf(std::string_view record, const std::string &id)
{
    const std::string_view head = trimmed(record);
    const std::string wanted = "- Id: " + id;
    if (head.substr(0, wanted.size()) != wanted ||
        (head.size() > wanted.size() &&
         std::string_view(" \r\n").find(head[wanted.size()]) == std::string_view::npos))
        return std::nullopt;
    const std::size_t key = record.find("AegisName:");
    if (key == std::string_view::npos)
        return std::string();
    const std::string_view rest = record.substr(key + 10);
    return std::string(trimmed(rest.substr(0, rest.find_first_of("\r\n"))));
}
} // namespace

QString DatabaseListModel::whereIsId(const QString &id, ListedLine besides) const
{
    if (id.isEmpty())
        return {};
    // Compared as the file's bytes: an ID is digits in any of its encodings.
    const std::string idBytes = toUtf8(id);
    const std::string wanted = idBytes + ',';
    const std::string inStatement = '(' + wanted; // "VALUES (1002,"
    for (auto file = m_files.rbegin(); file != m_files.rend(); ++file) {
        for (std::size_t row = 0; row < file->lines.lines(); ++row) {
            if (file->id == besides.file && row == besides.line)
                continue;
            const std::string_view line = file->lines.line(row);
            std::string statementName; // a dump's line: its values, as the server reads them
            if (line.substr(0, wanted.size()) != wanted) {
                if (const std::optional<std::string> aegis = yamlEntryOf(line, idBytes)) {
                    statementName = aegis->substr(0, kQuotedBytes);
                } else if (line.find(inStatement) == std::string_view::npos ||
                           !isSqlStatement(line)) {
                    continue;
                } else {
                    const SqlRow values = parseSqlRow(line);
                    if (values.values.size() < 2 || values.values[0] != idBytes)
                        continue;
                    statementName = values.values[1].substr(0, kQuotedBytes);
                }
            }
            const std::string_view rest = line.substr(std::min(wanted.size(), line.size()));
            return whereIs(*file, row, id,
                           statementName.empty()
                               ? rest.substr(0, std::min(rest.find(','), kQuotedBytes))
                               : std::string_view(statementName));
        }
    }
    return {};
}

QString DatabaseListModel::whereIs(const ListedFile &file, std::size_t row, const QString &id,
                                   std::string_view name)
{
    // The name as every message quotes a value: at most 40 characters (a
    // name of 300,000 words would make the warning a screen tall).
    const QString quoted =
        fromUtf8(quoteValue(toUtf8(text(file, row, name.substr(0, kQuotedBytes)))));
    return QStringLiteral("ID %1 is %2, %3 line %4")
        .arg(id, quoted, file.name)
        .arg(file.lines.sourceLine(row) + 1);
}

std::optional<DatabaseListModel::Overridden>
DatabaseListModel::overriddenBy(ListedLine source) const
{
    const auto from =
        std::find_if(m_files.begin(), m_files.end(),
                     [&source](const ListedFile &file) { return file.id == source.file; });
    if (from == m_files.end() || source.line >= from->lines.lines())
        return std::nullopt;
    // rAthena's import file changes the main database's monster of its Id;
    // Hercules' group of `Inherit: true`, the one of any file read before.
    const std::string_view record = from->lines.line(source.line);
    const bool yaml = isYamlEntry(record) && readAfterTheMainDatabase(toUtf8(from->path));
    const bool inherits = !yaml && isConfigEntry(record) && inheritsItsId(record);
    const std::string id = yaml ? yamlEntryId(record) : inherits ? configEntryId(record) : "";
    if (id.empty())
        return std::nullopt;
    // The newest file first, as whereIsId looks; within a file, the last
    // entry of the Id is the one that stands.
    for (auto file = m_files.rbegin(); file != m_files.rend(); ++file) {
        if (yaml ? readAfterTheMainDatabase(toUtf8(file->path)) : file->id == source.file)
            continue;
        for (std::size_t row = file->lines.lines(); row-- > 0;) {
            const std::string_view line = file->lines.line(row);
            std::optional<std::string> name;
            if (yaml) {
                name = yamlEntryOf(line, id);
            } else if (isConfigEntry(line) && configEntryId(line) == id) {
                MonsterEntry monster;
                name = loadHerculesEntry(line, monster).loaded() ? monster.Name : std::string();
            }
            if (name)
                return Overridden{QByteArray(line.data(), qsizetype(line.size())),
                                  whereIs(*file, row, fromUtf8(id), *name)};
        }
    }
    return std::nullopt;
}

int DatabaseListModel::widestLine() const
{
    int widest = 0;
    for (const ListedFile &file : m_files)
        widest = std::max(widest, file.widest);
    return widest;
}

const LegacyEncoding *DatabaseListModel::encodingAt(int row) const
{
    if (row < 0 || row >= m_rows)
        return nullptr;
    return locate(row)->encoding;
}

const LegacyEncoding *DatabaseListModel::namesEncodingAt(int row) const
{
    if (row < 0 || row >= m_rows)
        return nullptr;
    const ListedFile *file = locate(row);
    return namesEncodingOf(file->lines, file->encoding);
}

void DatabaseListModel::setEncodingAt(int row, const LegacyEncoding &encoding)
{
    setEncodingOfFile(fileIdAt(row), encoding);
}

int DatabaseListModel::fileIdAt(int row) const
{
    if (row < 0 || row >= m_rows)
        return -1;
    return locate(row)->id;
}

void DatabaseListModel::setEncodingOfFile(int id, const LegacyEncoding &encoding)
{
    // The files' rows in the list: the newest file's first.
    int first = 0;
    for (auto file = m_files.rbegin(); file != m_files.rend(); ++file) {
        if (file->id == id) {
            file->encoding = &encoding;
            file->chosen = true;
            emit dataChanged(index(first), index(first + int(file->lines.lines()) - 1));
            return;
        }
        first += int(file->lines.lines());
    }
}

} // namespace grimlark::ui
