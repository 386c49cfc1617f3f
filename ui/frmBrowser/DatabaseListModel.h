#pragma once

#include <QAbstractListModel>

#include <string>
#include <string_view>
#include <vector>

namespace grimlark::ui {

/// The lines of the database files read into the browser, newest file first.
/// Lines are kept as the file's bytes, one buffer per file, and decoded only when
/// shown: a file that is valid UTF-8 as UTF-8, any other file one byte to one
/// character (Latin-1), so nothing is lost in decoding.
class DatabaseListModel : public QAbstractListModel {
    Q_OBJECT
public:
    /// The line as UTF-8 text, for the loader.
    static constexpr int LineRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    /// Starts a file of about `expectedBytes`: its lines go in before every line
    /// listed so far.
    void beginFile(size_t expectedBytes = 0);
    /// Inserts the next line of the file being read, after its earlier lines. The
    /// view learns of new lines in batches: one notice per line would make a large
    /// file several times slower to list.
    void insertLine(std::string_view bytes);
    /// Ends the file being read; it is now decoded as what it turned out to be.
    void endFile();

    /// The text of `row` as UTF-8; empty for a row that does not exist.
    std::string lineUtf8(int row) const;

private:
    struct File {
        std::string bytes;
        std::vector<size_t> ends; ///< end of each line in `bytes`
        bool utf8 = true;
        int rows = 0; ///< lines the view has been told of; the rest are pending
        int stored() const { return static_cast<int>(ends.size()); }
        std::string_view line(int i) const;
    };
    /// The file holding `row`, with `row` made relative to it.
    const File *locate(int &row) const;
    QString decode(const File &file, std::string_view bytes) const;
    /// Tells the view of the lines stored since it was last told.
    void publish();

    std::vector<File> m_files; ///< oldest first; rows start with the last one
    int m_rows = 0;
    bool m_reading = false;
};

} // namespace grimlark::ui
