// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "core/DatabaseFile.h"
#include "core/ItemDatabase.h"

#include <QObject>
#include <QString>

#include <memory>

namespace grimlark::ui {

/// One database file read and cut into lines on a thread of its own, so that the
/// window thread never waits on a disk, a dead network mount or a pipe, and no
/// event loop ever runs inside the read. Deleting the object abandons the read:
/// its result is thrown away when it comes, and a read stuck inside the system
/// holds nothing of the windows, so the program can end meanwhile.
class BackgroundRead : public QObject {
    Q_OBJECT
public:
    /// Starts reading the file at `path` at once.
    BackgroundRead(const QString &path, QObject *parent);
    ~BackgroundRead() override;
    BackgroundRead(const BackgroundRead &) = delete;
    BackgroundRead &operator=(const BackgroundRead &) = delete;

    const QString &path() const { return m_path; }
    /// How much of the file has been read, in thousandths (0 until it is known).
    int perMille() const;
    /// How the read ended; valid once finished() has been emitted.
    ReadResult result() const;
    /// The encoding of the file's lines that are not UTF-8 (chosen on the
    /// reading thread); valid once finished() has been emitted with Done.
    const LegacyEncoding *encoding() const;
    /// The file's lines, moved out; valid once finished() has been emitted.
    DatabaseFile takeFile();
    /// The items its server reads beside it (itemFilesBeside), or null where
    /// there are none; valid once finished() has been emitted.
    std::shared_ptr<const ItemDatabase> items() const;

signals:
    /// The read ended (done, failed); emitted on the window thread.
    void finished();

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    QString m_path;
};

} // namespace grimlark::ui
