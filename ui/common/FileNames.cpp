// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "FileNames.h"

#include "core/Utf8.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

namespace grimlark::ui {

namespace {

bool isEscapedByte(QChar c)
{
    return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF;
}

} // namespace

std::string nativePath(const QString &path)
{
#ifdef Q_OS_UNIX
    return encodeUtf8Escaped(std::u16string_view(reinterpret_cast<const char16_t *>(path.utf16()),
                                                 std::size_t(path.size())));
#else
    return path.toStdString();
#endif
}

QString pathFromNative(const QByteArray &bytes)
{
#ifdef Q_OS_UNIX
    const std::u16string text =
        decodeUtf8Escaped(std::string_view(bytes.data(), std::size_t(bytes.size())));
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
#else
    return QString::fromUtf8(bytes);
#endif
}

QString displayPath(const QString &path)
{
    QString shown = QDir::toNativeSeparators(path);
    for (QChar &c : shown)
        if (isEscapedByte(c))
            c = QChar::ReplacementCharacter;
    return shown;
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
#ifdef Q_OS_UNIX
        arguments << pathFromNative(QByteArray(argv[i]));
#else
        arguments << QString::fromLocal8Bit(argv[i]); // replaced by Qt's own on Windows
#endif
    return arguments;
}

QString chosenPath(const QString &path)
{
#ifdef Q_OS_UNIX
    if (!path.contains(QChar::ReplacementCharacter) || QFileInfo::exists(path))
        return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = path.left(slash + 1);
    const QString name = path.mid(slash + 1);
    DIR *dir = ::opendir(nativePath(folder.isEmpty() ? QStringLiteral(".") : folder).c_str());
    if (!dir)
        return path;
    QString found;
    int matches = 0;
    // NOLINTNEXTLINE(concurrency-mt-unsafe): only the window thread lists folders
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray bytes(entry->d_name);
        if (QString::fromUtf8(bytes) == name) { // decoded as Qt decoded it
            found = folder + pathFromNative(bytes);
            ++matches;
        }
    }
    ::closedir(dir);
    return matches == 1 ? found : path;
#else
    return path;
#endif
}

QStringList droppedFiles(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            return {};
#ifdef Q_OS_UNIX
        // The URL's escapes are the name's bytes; toLocalFile() would decode
        // them as UTF-8 and lose those that are not.
        paths << pathFromNative(
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
#else
        paths << url.toLocalFile();
#endif
    }
    return paths;
}

} // namespace grimlark::ui
