#include "DatabaseListModel.h"

#include "core/LineReader.h"
#include "core/Utf8.h"

#include <limits>

namespace grimlark::ui {

namespace {
// A line is drawn in a list 353 pixels wide; decoding a 10 MB line to draw its
// first few dozen characters would stall the list.
constexpr size_t kShownBytes = 4096;
} // namespace

std::string_view DatabaseListModel::File::line(int i) const
{
    const size_t begin = starts[size_t(i)];
    const size_t end = size_t(i) + 1 < starts.size() ? starts[size_t(i) + 1] : bytes.size();
    std::string_view line = std::string_view(bytes).substr(begin, end - begin);
    // A line holds no CR or LF of its own, so what ends it is its terminator.
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

int DatabaseListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

const DatabaseListModel::File *DatabaseListModel::locate(int &row) const
{
    for (auto it = m_files.rbegin(); it != m_files.rend(); ++it) {
        if (row < it->rows())
            return &*it;
        row -= it->rows();
    }
    return nullptr;
}

namespace {

/// Bytes of a line as text: UTF-8 when the whole line is valid UTF-8, otherwise
/// one byte to one character, so one stray byte in a file garbles no other line
/// and nothing is lost. `utf8` is that test, made once by the caller.
QString decode(std::string_view bytes, bool utf8)
{
    if (utf8)
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

} // namespace

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
        const bool utf8 = isValidUtf8(line);
        std::string_view shown = line.substr(0, kShownBytes);
        if (utf8) // do not cut a character in two
            while (shown.size() < line.size() && !shown.empty() &&
                   (static_cast<unsigned char>(line[shown.size()]) & 0xC0) == 0x80)
                shown.remove_suffix(1);
        return decode(shown, utf8);
    }
    case LineRole:
        return decode(line, isValidUtf8(line));
    default:
        return {};
    }
}

bool DatabaseListModel::addFile(std::string bytes)
{
    // Counted first, so the positions take exactly their room: growing them as
    // lines come would cost up to twice that, at 4 bytes a line of a 1-byte line.
    const size_t lines = countLines(bytes);
    if (lines == 0)
        return true;
    if (lines > size_t(std::numeric_limits<int>::max() - m_rows))
        return false;
    File file;
    file.bytes = std::move(bytes);
    file.starts.reserve(lines);
    const char *const base = file.bytes.data();
    splitLines(file.bytes, [&file, base](std::string_view line) {
        file.starts.push_back(static_cast<std::uint32_t>(line.data() - base));
    });
    // The newest file's rows come first, before every older file's lines.
    beginInsertRows(QModelIndex(), 0, file.rows() - 1);
    m_rows += file.rows();
    m_files.push_back(std::move(file));
    endInsertRows();
    return true;
}

std::string DatabaseListModel::lineUtf8(int row) const
{
    if (row < 0 || row >= m_rows)
        return {};
    const File *file = locate(row);
    const std::string_view line = file->line(row);
    if (isValidUtf8(line))
        return std::string(line);
    return decode(line, false).toUtf8().toStdString();
}

} // namespace grimlark::ui
