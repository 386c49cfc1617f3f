// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "DatabaseListModel.h"

#include "ui/common/Text.h"

#include <limits>

namespace grimlark::ui {

namespace {

// A line is drawn in a list 353 pixels wide; decoding a 10 MB line to draw its
// first few dozen characters would stall the list.
constexpr std::size_t kShownBytes = 4096;

/// Bytes of a line as text: UTF-8 when the whole line is valid UTF-8, otherwise
/// one byte to one character, so one stray byte in a file garbles no other line
/// and nothing is lost.
QString decode(std::string_view bytes, bool utf8)
{
    if (utf8)
        return fromUtf8(bytes);
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

} // namespace

int DatabaseListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

const DatabaseFile *DatabaseListModel::locate(int &row) const
{
    for (auto it = m_files.rbegin(); it != m_files.rend(); ++it) {
        if (std::size_t(row) < it->lines())
            return &*it;
        row -= int(it->lines());
    }
    return nullptr;
}

QVariant DatabaseListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    int row = index.row();
    const DatabaseFile *file = locate(row);
    if (!file)
        return {};
    const std::string_view line = file->line(std::size_t(row));
    const bool utf8 = file->isUtf8(std::size_t(row));
    std::string_view shown = line.substr(0, kShownBytes);
    if (utf8) // do not cut a character in two
        while (shown.size() < line.size() && !shown.empty() &&
               (static_cast<unsigned char>(line[shown.size()]) & 0xC0) == 0x80)
            shown.remove_suffix(1);
    return decode(shown, utf8);
}

bool DatabaseListModel::addFile(DatabaseFile file)
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
    m_files.push_back(std::move(file));
    endInsertRows();
    return true;
}

QByteArray DatabaseListModel::lineUtf8(int row) const
{
    if (row < 0 || row >= m_rows)
        return {};
    const DatabaseFile *file = locate(row);
    const std::string_view line = file->line(std::size_t(row));
    if (file->isUtf8(std::size_t(row)))
        return QByteArray(line.data(), qsizetype(line.size()));
    return QString::fromLatin1(line.data(), qsizetype(line.size())).toUtf8();
}

} // namespace grimlark::ui
