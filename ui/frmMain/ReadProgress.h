// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QDialog>

class QProgressBar;

namespace grimlark::ui {

/// What a read that takes a while shows: the file's name, how far the read is,
/// and Cancel (which rejects the dialog, as Esc and the close box do). It is
/// application-modal once shown, so the windows wait for the read, but it runs
/// no event loop of its own: the caller shows it and goes on.
class ReadProgressDialog : public QDialog {
    Q_OBJECT
public:
    ReadProgressDialog(const QString &path, QWidget *editor);

    /// Shows how far the read is, in thousandths.
    void setPerMille(int perMille);

private:
    QProgressBar *m_bar;
};

} // namespace grimlark::ui
