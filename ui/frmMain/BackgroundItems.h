// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "core/ItemDatabase.h"

#include <QObject>
#include <QStringList>

#include <memory>

namespace grimlark::ui {

/// Item databases read on a thread of their own (some megabytes of YAML),
/// as BackgroundRead reads a monster file: the window thread never waits,
/// and deleting the object abandons the read (see runInBackground).
class BackgroundItems : public QObject {
    Q_OBJECT
public:
    /// Starts reading `paths` at once.
    BackgroundItems(const QStringList &paths, QObject *parent);

signals:
    /// The items read (null where none), and the files not read ("FILE:
    /// why"); emitted on the window thread.
    void finished(std::shared_ptr<const grimlark::ItemDatabase> items, QStringList problems);
};

} // namespace grimlark::ui
