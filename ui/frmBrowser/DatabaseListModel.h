// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "core/DatabaseFile.h"

#include <QAbstractListModel>
#include <QByteArray>

#include <vector>

namespace grimlark::ui {

/// The lines of the database files read into the browser, newest file first.
/// Lines are kept as the file's bytes (see DatabaseFile) and decoded only when
/// shown: each line on its own, one that is valid UTF-8 as UTF-8, any other one
/// byte to one character (Latin-1), so nothing is lost in decoding.
class DatabaseListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    /// Lists the lines of a file before every line listed so far, telling the
    /// view once: one notice per line would make a large file several times
    /// slower to list. An empty file adds nothing. Returns false, adding
    /// nothing, when the list would pass the most rows a view can count (about
    /// 2 billion).
    bool addFile(DatabaseFile file);

    /// The text of `row` as UTF-8; empty for a row that does not exist.
    QByteArray lineUtf8(int row) const;

private:
    /// The file holding `row`, with `row` made relative to it.
    const DatabaseFile *locate(int &row) const;

    std::vector<DatabaseFile> m_files; ///< oldest first; rows start with the last one
    int m_rows = 0;
};

} // namespace grimlark::ui
