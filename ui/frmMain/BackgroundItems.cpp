// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "BackgroundItems.h"

#include "ui/common/Background.h"
#include "ui/common/ItemFiles.h"

#include <QMetaObject>

#include <memory>
#include <utility>

namespace grimlark::ui {

BackgroundItems::BackgroundItems(const QStringList &paths, QObject *parent) : QObject(parent)
{
    struct Read {
        std::shared_ptr<const ItemDatabase> items;
        QStringList problems;
    };
    const bool started = runInBackground<Read>(
        this,
        [paths] {
            ReadItems read = readItemFiles(paths);
            std::shared_ptr<const ItemDatabase> items;
            if (!read.items.empty())
                items = std::make_shared<const ItemDatabase>(std::move(read.items));
            return Read{std::move(items), std::move(read.problems)};
        },
        [this](Read &read) { emit finished(read.items, read.problems); });
    if (!started)
        QMetaObject::invokeMethod(
            this,
            [this] {
                emit finished(nullptr, {QStringLiteral("the item databases: no thread could be "
                                                       "started to read them")});
            },
            Qt::QueuedConnection);
}

} // namespace grimlark::ui
