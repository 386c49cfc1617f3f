// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "FileDrop.h"

#include "FileNames.h"

#include <QApplication>
#include <QDropEvent>
#include <QTimer>
#include <QWidget>

namespace grimlark::ui {

FileDrop::FileDrop(QWidget *window) : QObject(window), m_window(window)
{
    window->setAcceptDrops(true);
    // On the application: a filter on the window would not see the events that
    // go to its controls.
    qApp->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList paths = droppedFiles(drop->mimeData());
    if (paths.isEmpty())
        return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, paths] { emit filesDropped(paths); });
    return true;
}

} // namespace grimlark::ui
