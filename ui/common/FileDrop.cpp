// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "FileDrop.h"

#include "FileNames.h"

#include <QApplication>
#include <QDropEvent>
#include <QTimer>
#include <QWidget>

namespace grimlark::ui {

namespace {
/// Marks the windows whose drops of files are taken.
constexpr char kTakesFiles[] = "grimlarkTakesFiles";
} // namespace

FileDrop::FileDrop(QObject *parent) : QObject(parent)
{
    // On the application: a filter on a window would not see the events that
    // go to its controls.
    qApp->installEventFilter(this);
}

void FileDrop::acceptOn(QWidget &window)
{
    window.setAcceptDrops(true);
    window.setProperty(kTakesFiles, true);
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !widget->window()->property(kTakesFiles).toBool())
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
