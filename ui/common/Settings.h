// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace grimlark {
struct LayoutFormat;
struct LegacyEncoding;
} // namespace grimlark

namespace grimlark::ui {

/// The choices the program keeps between runs (windows' places aside, which
/// Placement keeps): each key once, with its default, and a value read back
/// checked, since the settings' file comes from outside.
namespace Settings {

/// The layout chosen last for composed monsters: the classic one by default,
/// and where the setting names no layout.
const LayoutFormat &layout();
void setLayout(const LayoutFormat &layout);

/// The encoding the names are written in, chosen last: null for UTF-8 (the
/// default, and where the setting names no encoding).
const LegacyEncoding *namesIn();
void setNamesIn(const LegacyEncoding *encoding);

/// The file the Open dialog chose last, where it starts next time.
QString lastFile();
void setLastFile(const QString &path);

/// The item databases chosen with File > Item Database..., for monsters
/// whose file has none beside it: none by default; paths only, a few.
QStringList itemFiles();
void setItemFiles(const QStringList &paths);

} // namespace Settings

/// The files opened last, newest first, a few, as File > Recent Files lists
/// them; kept in the settings.
class RecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr qsizetype kMost = 5;

    using QObject::QObject;

    /// The paths kept: none empty, absurdly long or twice.
    QStringList paths() const;
    /// `path` first, as opened now.
    void add(const QString &path);
    /// `path` no more (a file gone).
    void remove(const QString &path);

signals:
    void changed();

private:
    void keep(const QStringList &paths);
};

} // namespace grimlark::ui
