// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace grimlark::ui {

/// The editor's Open dialog: a filter in "description|pattern|..." form and the
/// last chosen path, which it keeps between uses while the program runs.
class OpenDialog {
public:
    QString Filter;
    QString FileName;
    QString DialogTitle = QStringLiteral("Open"); ///< its caption

    /// Shows the system's Open dialog, starting at the last chosen path (at first
    /// in the user's Documents on Windows). Returns the chosen paths (several
    /// may be chosen at once), the first of which becomes FileName, or none when
    /// cancelled, which leaves FileName as it was. `parent` must be the window
    /// that holds this object; when it was destroyed while the dialog was open,
    /// returns none and touches nothing.
    QStringList ShowOpen(QWidget *parent);
};

/// Turns a "description|pattern|description|pattern" filter into Qt's
/// "description;;description" form. A description that does not name its
/// patterns in parentheses gets them appended, so that Qt still filters by them.
QString toQtFilter(const QString &filter);

} // namespace grimlark::ui
