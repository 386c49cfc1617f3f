// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "core/DatabaseFile.h"
#include "core/ItemDatabase.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

class QTimer;
class QWidget;

namespace grimlark::ui {

class BackgroundRead;
class ReadProgressDialog;

/// A database file read, cut into lines and its encoding chosen, ready to list.
struct OpenedFile {
    QString path;
    DatabaseFile lines;
    const LegacyEncoding *encoding = nullptr; ///< for its lines that are not UTF-8
    bool reload = false; ///< read again because the user asked, not opened anew
    std::shared_ptr<const ItemDatabase> items; ///< its server's, read beside it; may be null
};

/// Opening files, the whole story: a queue of the files asked for, each read in
/// turn off the window thread (see BackgroundRead), its progress shown with
/// Cancel (that file alone) when it takes over half a second, and each handed back as a ready
/// file or a refusal. Whoever owns it lists and refuses; nothing here shows a
/// file. Its signals may open message boxes: it keeps nothing of a read across
/// them, so ending the program meanwhile leaves nothing behind.
class FileOpener : public QObject {
    Q_OBJECT
public:
    /// `window` is what the progress is shown over.
    explicit FileOpener(QWidget *window);
    ~FileOpener() override;
    FileOpener(const FileOpener &) = delete;
    FileOpener &operator=(const FileOpener &) = delete;

    /// Reads the file at `path` once the files asked for before it are done;
    /// `reload` is handed back with it (OpenedFile::reload).
    void open(const QString &path, bool reload = false);
    /// True while a file is read or waits to be.
    bool isBusy() const;
    /// Forgets the reads of `path` asked for, waiting or under way: the file
    /// was closed since, which the user asked for last.
    void drop(const QString &path);
    /// Drops the files waiting and abandons the read under way, at once: a read
    /// stuck inside the system holds nothing of the windows (program shutdown).
    void abandon();

signals:
    /// A file was read; the receiver may take its lines.
    void opened(const std::shared_ptr<grimlark::ui::OpenedFile> &file);
    /// A file could not be read: `reason` in plain lower-case words, and
    /// whether it failed after it was opened.
    void refused(const QString &path, const QString &reason, bool whileReading);

private:
    void readNext();
    void readDone();
    void showProgress();
    void cancel();

    QPointer<QWidget> m_window;
    struct Asked {
        QString path;
        bool reload;
    };
    QList<Asked> m_waiting;          ///< asked for while a read runs
    QPointer<BackgroundRead> m_read; ///< the read under way, if any
    bool m_reload = false;           ///< the read under way is a reload
    bool m_handing = false;          ///< a result is being handed over
    QPointer<ReadProgressDialog> m_progress;
    QTimer *m_progressTimer;
    QElapsedTimer m_clock;
};

} // namespace grimlark::ui
