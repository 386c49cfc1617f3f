#pragma once

#include <QAbstractListModel>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace grimlark::ui {

/// The lines of the database files read into the browser, newest file first.
/// Lines are kept as the file's bytes, one buffer per file, and decoded only when
/// shown: each line on its own, one that is valid UTF-8 as UTF-8, any other one
/// byte to one character (Latin-1), so nothing is lost in decoding.
class DatabaseListModel : public QAbstractListModel {
    Q_OBJECT
public:
    /// The line as UTF-8 text, for the loader.
    static constexpr int LineRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    /// Lists the lines of a file's bytes before every line listed so far, telling
    /// the view once: one notice per line would make a large file several times
    /// slower to list. The bytes become the list's own storage, so a file is held
    /// once, terminators and all, beside 4 bytes a line. An empty file adds
    /// nothing. Returns false, adding nothing, when the list would pass the most
    /// rows a view can count (about 2 billion); throws std::bad_alloc when the
    /// line positions cannot be held.
    bool addFile(std::string bytes);

    /// The text of `row` as UTF-8; empty for a row that does not exist.
    std::string lineUtf8(int row) const;

private:
    struct File {
        std::string bytes; ///< the file as read, terminators included
        /// Where each line begins in `bytes`; files are at most 4 GB.
        std::vector<std::uint32_t> starts;
        int rows() const { return static_cast<int>(starts.size()); }
        /// Line `i` without its terminator.
        std::string_view line(int i) const;
    };
    /// The file holding `row`, with `row` made relative to it.
    const File *locate(int &row) const;

    std::vector<File> m_files; ///< oldest first; rows start with the last one
    int m_rows = 0;
};

} // namespace grimlark::ui
