// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Settings.h"

#include "Platform.h"
#include "Text.h"

#include "core/Layout.h"
#include "core/LegacyEncoding.h"

namespace grimlark::ui {

namespace {

/// The keys, each read and written here only.
constexpr QLatin1StringView kLayoutKey("Generate/layout");
constexpr QLatin1StringView kNamesKey("Generate/namesIn");
constexpr QLatin1StringView kLastFileKey("Open/lastFile");
constexpr QLatin1StringView kRecentKey("Open/recentFiles");
constexpr QLatin1StringView kItemFilesKey("Items/files");
constexpr qsizetype kMostItemFiles = 16;

/// What the names setting holds for UTF-8.
constexpr QLatin1StringView kUtf8("UTF-8");
/// Longer than any path a system opens: such a value is not a path.
constexpr qsizetype kLongestPath = 4096;

QVariant read(QLatin1StringView key)
{
    return Platform::current().setting(QString(key));
}

void write(QLatin1StringView key, const QVariant &value)
{
    Platform::current().setSetting(QString(key), value);
}

} // namespace

namespace Settings {

const LayoutFormat &layout()
{
    const LayoutFormat *chosen = formatNamed(toUtf8(read(kLayoutKey).toString()));
    return chosen ? *chosen : formatOf(Layout::Classic);
}

void setLayout(const LayoutFormat &layout)
{
    write(kLayoutKey, QString::fromLatin1(layout.name));
}

const LegacyEncoding *namesIn()
{
    const QString label = read(kNamesKey).toString();
    for (const LegacyEncoding &encoding : kLegacyEncodings)
        if (label == QLatin1String(encoding.label))
            return &encoding;
    return nullptr;
}

void setNamesIn(const LegacyEncoding *encoding)
{
    write(kNamesKey, encoding ? QString::fromLatin1(encoding->label) : QString(kUtf8));
}

QString lastFile()
{
    return read(kLastFileKey).toString();
}

void setLastFile(const QString &path)
{
    write(kLastFileKey, path);
}

QStringList itemFiles()
{
    QStringList files;
    for (const QString &path : read(kItemFilesKey).toStringList())
        if (!path.isEmpty() && path.size() < kLongestPath && files.size() < kMostItemFiles)
            files << path;
    return files;
}

void setItemFiles(const QStringList &paths)
{
    write(kItemFilesKey, paths);
}

} // namespace Settings

QStringList RecentFiles::paths() const
{
    QStringList recent;
    for (const QString &path : read(kRecentKey).toStringList())
        if (!path.isEmpty() && path.size() < kLongestPath && !recent.contains(path) &&
            recent.size() < kMost)
            recent << path;
    return recent;
}

void RecentFiles::add(const QString &path)
{
    QStringList recent = paths();
    recent.removeAll(path);
    recent.prepend(path);
    keep(recent);
}

void RecentFiles::remove(const QString &path)
{
    QStringList recent = paths();
    if (recent.removeAll(path) > 0)
        keep(recent);
}

void RecentFiles::keep(const QStringList &paths)
{
    write(kRecentKey, paths.mid(0, kMost));
    emit changed();
}

} // namespace grimlark::ui
