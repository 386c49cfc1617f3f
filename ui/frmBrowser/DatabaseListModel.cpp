#include "DatabaseListModel.h"

#include "Utf8.h"

namespace grimlark::ui {

namespace {
// A line is drawn in a list 353 pixels wide; decoding a 10 MB line to draw its
// first few dozen characters would stall the list.
constexpr size_t kShownBytes = 4096;
constexpr int kBatch = 1 << 20; // in effect, one notice per file
} // namespace

std::string_view DatabaseListModel::File::line(int i) const
{
    const size_t begin = i == 0 ? 0 : ends[size_t(i) - 1];
    return std::string_view(bytes).substr(begin, ends[size_t(i)] - begin);
}

int DatabaseListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

const DatabaseListModel::File *DatabaseListModel::locate(int &row) const
{
    for (auto it = m_files.rbegin(); it != m_files.rend(); ++it) {
        if (row < it->rows)
            return &*it;
        row -= it->rows;
    }
    return nullptr;
}

QString DatabaseListModel::decode(const File &file, std::string_view bytes) const
{
    if (file.utf8)
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

QVariant DatabaseListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    int row = index.row();
    const File *file = locate(row);
    if (!file)
        return {};
    const std::string_view line = file->line(row);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: {
        std::string_view shown = line.substr(0, kShownBytes);
        if (file->utf8) // do not cut a character in two
            while (shown.size() < line.size() && !shown.empty() &&
                   (static_cast<unsigned char>(line[shown.size()]) & 0xC0) == 0x80)
                shown.remove_suffix(1);
        return decode(*file, shown);
    }
    case LineRole:
        return decode(*file, line);
    default:
        return {};
    }
}

void DatabaseListModel::beginFile(size_t expectedBytes)
{
    m_files.emplace_back();
    m_files.back().bytes.reserve(expectedBytes); // one allocation, not a doubling series
    m_reading = true;
}

void DatabaseListModel::insertLine(std::string_view bytes)
{
    if (!m_reading)
        beginFile();
    File &file = m_files.back();
    if (file.utf8 && !isValidUtf8(bytes))
        file.utf8 = false;
    file.bytes.append(bytes);
    file.ends.push_back(file.bytes.size());
    if (file.stored() - file.rows >= kBatch)
        publish();
}

void DatabaseListModel::publish()
{
    File &file = m_files.back();
    if (file.stored() == file.rows)
        return;
    // The newest file's rows come first, so its new lines go in right after its
    // earlier ones, before every older file's lines.
    beginInsertRows(QModelIndex(), file.rows, file.stored() - 1);
    m_rows += file.stored() - file.rows;
    file.rows = file.stored();
    endInsertRows();
}

void DatabaseListModel::endFile()
{
    if (!m_reading)
        return;
    publish();
    m_reading = false;
    File &file = m_files.back();
    file.bytes.shrink_to_fit();
    file.ends.shrink_to_fit();
    if (file.rows == 0)
        m_files.pop_back();
    else if (!file.utf8) // its lines were drawn as UTF-8 while it was read
        emit dataChanged(index(0), index(file.rows - 1));
}

std::string DatabaseListModel::lineUtf8(int row) const
{
    if (row < 0 || row >= m_rows)
        return {};
    const File *file = locate(row);
    const std::string_view line = file->line(row);
    if (file->utf8)
        return std::string(line);
    return QString::fromLatin1(line.data(), qsizetype(line.size())).toUtf8().toStdString();
}

} // namespace grimlark::ui
