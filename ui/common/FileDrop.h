// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

namespace grimlark::ui {

/// Takes the files dropped anywhere on a window, on the window itself or on any
/// of its controls, and tells of them once the drop is over, so that the file
/// manager is not kept waiting and no message box opens inside the drag. A drop
/// of files never reaches a control: a text box would write the files' addresses
/// into its field. Drops of anything else (text) reach the controls as usual.
class FileDrop : public QObject {
    Q_OBJECT
public:
    /// Watches `window` (and is deleted with it).
    explicit FileDrop(QWidget *window);

signals:
    /// Files were dropped on the window, in the order the drag carried them.
    void filesDropped(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};

} // namespace grimlark::ui
