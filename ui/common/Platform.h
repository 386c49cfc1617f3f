// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "core/DatabaseFile.h"

#include <QString>
#include <QVariant>

#include <functional>

class QWidget;

namespace grimlark {
class Registry;
} // namespace grimlark

namespace grimlark::ui {

/// The operating-system services the windows use, behind one small interface so
/// that tests run with a fake and no real dialog, message box or process.
class Platform {
public:
    Platform() = default;
    virtual ~Platform() = default;
    Platform(const Platform &) = delete; // a seam, used through references only
    Platform &operator=(const Platform &) = delete;

    /// Shows the Open dialog, captioned `title`; returns the chosen paths (one or several), or none
    /// when cancelled. Like message(), it may return after `parent` was destroyed
    /// (the program was ended meanwhile): callers check before they touch it.
    virtual QStringList openFileNames(QWidget *parent, const QString &filter,
                                      const QString &startPath, const QString &title) = 0;
    /// Tells the user something, in a box captioned "Grimlark" with an OK button.
    virtual void message(QWidget *parent, const QString &text) = 0;
    /// Asks the user, in a box as message() shows, with one button a choice
    /// (`choices`, the first the default); the index of the one pressed, -1
    /// when the box was closed. It may return after `parent` was destroyed.
    virtual int choose(QWidget *parent, const QString &text, const QStringList &choices) = 0;
    /// Starts a program from a command line without waiting for it; false when it
    /// cannot be started.
    virtual bool startDetached(const QString &commandLine) = 0;
    /// True for an existing ordinary file (not a folder, not hidden).
    virtual bool fileExists(const QString &path) = 0;
    /// The machine's registry, read only; one without keys where there is none.
    virtual Registry &registry() = 0;
    /// True where the system information tool can be there at all (Windows).
    virtual bool hasSystemInfo() = 0;

    /// How a database file is read (grimlark::readDatabaseFile); called on a
    /// thread of its own, so it must hold nothing of the caller's.
    using DatabaseReader = std::function<ReadResult(
        const std::string &nativePath, DatabaseFile &file, const ReadProgress &progress)>;
    /// A value kept between runs (the Open dialog's last file, the windows'
    /// places), from the platform's usual place (QSettings); null when none.
    virtual QVariant setting(const QString &key) = 0;
    virtual void setSetting(const QString &key, const QVariant &value) = 0;
    /// Why the values set will not be kept for the next run (the settings
    /// file is read-only, say), in a sentence; empty when they will be.
    virtual QString settingsNotKept() { return {}; }

    /// The reader of database files: the real one unless a test stalls it.
    virtual DatabaseReader databaseReader() { return &readDatabaseFile; }

    /// The services in use: the real ones unless a test has put others in place.
    static Platform &current();
    /// Puts `platform` in place (null restores the real one). The caller keeps ownership.
    static void setCurrent(Platform *platform);
};

/// A Qt filter whose patterns match as they do on Windows, for dialogs that
/// match case-sensitively: "*.*" becomes "*" (every file, with a dot or not) and
/// "*.txt" becomes "*.[tT][xX][tT]" (any letter case).
QString windowsLikeFilter(const QString &qtFilter);

} // namespace grimlark::ui
