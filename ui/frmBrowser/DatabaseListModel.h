// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "core/DatabaseFile.h"

#include <QAbstractListModel>
#include <QByteArray>

#include <optional>
#include <vector>

namespace grimlark::ui {

/// A line of a listed file, by the file's own number and the line's place in
/// it: where a monster was loaded from, which the rows of files listed later
/// do not move.
struct ListedLine {
    int file = -1; ///< -1: none
    std::size_t line = 0;
};

/// The lines of the database files read into the browser, newest file first.
/// Lines are kept as the file's bytes (see DatabaseFile) and decoded only when
/// shown: each line on its own, one that is valid UTF-8 as UTF-8, any other in
/// the file's own encoding (chosen when it was read, see chooseEncoding). The
/// user can choose another for a file.
class DatabaseListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    /// Lists the lines of a file, named `name` (for the user), its lines that are
    /// not UTF-8 read in `encoding`, before every line
    /// listed so far, telling the view once: one notice per line would make a
    /// large file several times slower to list. An empty file adds nothing.
    /// Returns false, adding nothing, when the list would pass the most rows a
    /// view can count (about 2 billion).
    bool addFile(DatabaseFile file, const LegacyEncoding &encoding, const QString &name = {},
                 const QString &path = {});
    /// Puts the lines of `file` in place of the listed file `id`'s, where it
    /// stands in the list (a file read again). False, changing nothing, when
    /// the list would pass the rows a view can count.
    bool replaceFile(int id, DatabaseFile file, const LegacyEncoding &encoding);
    /// Takes the file `id` off the list.
    void removeFile(int id);
    /// The listed file read from `path` (-1 for none), and a file's path.
    int fileIdOfPath(const QString &path) const;
    QString pathOf(int id) const;

    /// Data role: true for the first row of each file, where the list shows
    /// that another file begins.
    static constexpr int FirstOfFileRole = Qt::UserRole + 1;

    /// The first row from `from` on (down) or back (up), not `from` itself,
    /// whose text holds `text`, wrapping round the list; -1 when none does.
    /// Searched in the lines' bytes: a line is decoded only where the bytes
    /// cannot tell (a text that is not ASCII, without regard to case). Throws
    /// std::bad_alloc when such a line cannot be decoded.
    int findRow(const QString &text, int from, bool down, Qt::CaseSensitivity matchCase) const;
    /// Type-ahead (the line that starts with what was typed) in the lines'
    /// bytes; any other match as the base class does it.
    QModelIndexList match(const QModelIndex &start, int role, const QVariant &value, int hits = 1,
                          Qt::MatchFlags flags = Qt::MatchFlags(Qt::MatchStartsWith |
                                                                Qt::MatchWrap)) const override;
    /// Where a monster of this ID stands in the files listed, in words ("ID
    /// 1002 is "PORING", mob_db.txt line 327"), or an empty text; `besides`
    /// (the line the monster was loaded from) is not counted.
    QString whereIsId(const QString &id, ListedLine besides = {}) const;
    /// The monster the one at `source` changes, as its server reads the two:
    /// for a YAML monster of an import file, the last of its Id in a listed
    /// YAML file read before (one not in an import folder); for a Hercules
    /// group of `Inherit: true`, the last of its Id in another listed file.
    /// Its bytes, and where it stands in words (as whereIsId says it).
    struct Overridden {
        QByteArray entry;
        QString where;
    };
    std::optional<Overridden> overriddenBy(ListedLine source) const;
    /// The file and line of `row` (file -1 for none).
    ListedLine lineAt(int row) const;
    /// The row of `line`; -1 where it is not listed.
    int rowOf(ListedLine line) const;
    /// The listed file `id` as it was read (DatabaseFile::fingerprint); none
    /// for a file not listed.
    std::optional<grimlark::Fingerprint> fingerprintOf(int id) const;
    /// The encoding the user chose for the file `id`, or null where it is
    /// still the one chosen when it was read.
    const LegacyEncoding *chosenEncodingOf(int id) const;
    /// The length in characters of the longest line as shown (at most 4096).
    int widestLine() const;

    /// The text of `row` as UTF-8; empty for a row that does not exist.
    QByteArray lineUtf8(int row) const;

    /// The encoding that the lines of the file holding `row` are read in, other
    /// than UTF-8 (null for a row that does not exist).
    const LegacyEncoding *encodingAt(int row) const;
    /// The encoding the names of `row`'s file are in, as the server holds them:
    /// the file's encoding where it has lines that are not UTF-8, null (UTF-8)
    /// where every line is UTF-8, or for a row that does not exist.
    const LegacyEncoding *namesEncodingAt(int row) const;
    /// Reads the file holding `row` in `encoding` from now on.
    void setEncodingAt(int row, const LegacyEncoding &encoding);
    /// The file holding `row`, as a number that stays its own while other
    /// files are listed (-1 for none).
    int fileIdAt(int row) const;
    /// Reads the file `id` in `encoding` from now on: every line that is not
    /// ASCII, UTF-8 or not (the user knows better than the bytes: a Korean
    /// name may happen to be valid UTF-8). Nothing for a file no longer listed.
    void setEncodingOfFile(int id, const LegacyEncoding &encoding);

private:
    struct ListedFile {
        DatabaseFile lines;
        const LegacyEncoding *encoding; ///< for the lines that are not UTF-8
        QString name;                   ///< the file's name, for the user
        int widest = 0;                 ///< bytes of its longest line, as shown
        int id = 0;                     ///< see fileIdAt
        QString path;                   ///< where it was read from
        bool chosen = false;            ///< the user chose its encoding
    };
    /// The index in m_files of the file holding `row` (m_files.size() for none),
    /// with `row` made relative to it.
    std::size_t fileAt(int &row) const;
    /// The index in m_files of the file `id` (m_files.size() for none), and
    /// the list row its lines begin at.
    std::size_t indexOfId(int id, int &first) const;
    const ListedFile *locate(int &row) const;
    /// True when line `row` of `file` holds `text` (`utf8`, its UTF-8).
    bool lineHolds(const ListedFile &file, std::size_t row, const QString &text,
                   std::string_view utf8, Qt::CaseSensitivity matchCase) const;
    /// Where line `row` of `file`, the monster `id` named `name`, stands, in words.
    static QString whereIs(const ListedFile &file, std::size_t row, const QString &id,
                           std::string_view name);
    /// Line `row` of `file` as text.
    static QString text(const ListedFile &file, std::size_t row, std::string_view bytes);

    std::vector<ListedFile> m_files; ///< oldest first; rows start with the last one
    int m_rows = 0;
    int m_nextId = 0;
};

} // namespace grimlark::ui
