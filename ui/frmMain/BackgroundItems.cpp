// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "BackgroundItems.h"

#include "ui/common/ItemFiles.h"

#include <QMetaObject>

#include <mutex>
#include <system_error>
#include <thread>

namespace grimlark::ui {

/// What the reading thread and the window share; the thread keeps it alive.
struct BackgroundItems::Shared {
    std::mutex mutex;
    BackgroundItems *owner = nullptr; ///< null once abandoned; guarded by mutex
};

BackgroundItems::BackgroundItems(const QStringList &paths, QObject *parent)
    : QObject(parent), m_shared(std::make_shared<Shared>())
{
    m_shared->owner = this;
    auto work = [shared = m_shared, paths] {
        ReadItems read = readItemFiles(paths);
        std::shared_ptr<const ItemDatabase> items;
        if (!read.items.empty())
            items = std::make_shared<const ItemDatabase>(std::move(read.items));
        const std::lock_guard<std::mutex> lock(shared->mutex);
        if (BackgroundItems *owner = shared->owner)
            // Posted to the owner: dropped by Qt if the owner is deleted before it runs.
            QMetaObject::invokeMethod(
                owner,
                [owner, items, problems = read.problems] { emit owner->finished(items, problems); },
                Qt::QueuedConnection);
    };
    try {
        std::thread(std::move(work)).detach();
    } catch (const std::system_error &) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                emit finished(nullptr, {QStringLiteral("the item databases: no thread could be "
                                                       "started to read them")});
            },
            Qt::QueuedConnection);
    }
}

BackgroundItems::~BackgroundItems()
{
    const std::lock_guard<std::mutex> lock(m_shared->mutex);
    m_shared->owner = nullptr;
}

} // namespace grimlark::ui
