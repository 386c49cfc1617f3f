// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "core/ItemDatabase.h"

#include <QString>
#include <QStringList>

namespace grimlark::ui {

/// The item databases a server reads beside its monster database at `path`
/// (core's itemFilesBeside, the paths as Qt's).
QStringList itemFilesBeside(const QString &path, FileKind kind);

/// Items read from files, and what could not be read of them.
struct ReadItems {
    ItemDatabase items;
    QStringList problems; ///< "FILE: why", one a file not read
};

/// Reads each of `paths` into one database, later files overriding earlier
/// ones; a file that cannot be read is said and passed over.
ReadItems readItemFiles(const QStringList &paths);

} // namespace grimlark::ui
