// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

namespace grimlark::ui {

/// Takes the files dropped on any of the program's windows that take drops
/// (see acceptOn), on the window itself or on any of its controls, and tells of
/// them once the drop is over, so that the file manager is not kept waiting and
/// no message box opens inside the drag. A drop of files never reaches a
/// control: a text box would write the files' addresses into its field. Drops
/// of anything else (text) reach the controls as usual. One is enough for the
/// program: it watches the whole application and routes by the window under
/// the drop.
class FileDrop : public QObject {
    Q_OBJECT
public:
    explicit FileDrop(QObject *parent);

    /// Lets files be dropped on `window` and its controls.
    static void acceptOn(QWidget &window);

signals:
    /// Files were dropped on a window, in the order the drag carried them.
    void filesDropped(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace grimlark::ui
